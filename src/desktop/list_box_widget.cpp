#include "desktop/list_box_widget.h"

#include "desktop/control_events.h"
#include "desktop/front_end.h"
#include "form/list_box.h"

#include <QMouseEvent>

namespace xj {

namespace {
const QString ListFont = QStringLiteral("WenQuanYi Micro Hei");
}

void ListEntries::reset(QStringList texts) {
    beginResetModel();
    texts_ = std::move(texts);
    endResetModel();
}

int ListEntries::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
}

QVariant ListEntries::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= texts_.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return texts_[index.row()];
    return {};
}

ListBoxWidget::ListBoxWidget(ListBox& model, FrontEnd& front, QWidget* parent)
    : QListView(parent), model_(model), handlers_(model.eventSlots()), front_(front),
      entries_(new ListEntries(this)) {
    setModel(entries_);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Uniform rows keep a list of the full 32767 entries quick to fill and scroll.
    setUniformItemSizes(true);
    // Long names are cut at the edge, as in a list box; the rows keep the whole height.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListBoxWidget::userSelected);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ListBoxWidget::userMovedCurrent);
    // The first sync fills the view, whatever the model's revisions are then.
    entriesSeen_ = model_.entriesRevision() - 1;
    marksSeen_ = model_.marksRevision() - 1;
}

void ListBoxWidget::mirror() {
    QFont f = font();
    if (f.family() != ListFont || f.pointSizeF() != model_.FontSize) {
        f.setFamily(ListFont);
        f.setPointSizeF(model_.FontSize);
        setFont(f);
    }
    if (model_.entriesRevision() != entriesSeen_) mirrorEntries();
    if (model_.marksRevision() != marksSeen_) mirrorMarks();

    const int index = model_.ListIndex();
    if (currentIndex().row() != index)
        selectionModel()->setCurrentIndex(index >= 0 ? entries_->index(index) : QModelIndex(),
                                          QItemSelectionModel::NoUpdate);
}

void ListBoxWidget::mirrorEntries() {
    entriesSeen_ = model_.entriesRevision();
    const int n = model_.ListCount();
    QStringList texts;
    texts.reserve(n);
    for (int i = 0; i < n; ++i)
        texts << model_.List(i);
    // Entries removed and put back as they were leave the view, and where it is scrolled, alone.
    if (texts == entries_->texts()) return;
    entries_->reset(std::move(texts));
    selected_.assign(static_cast<size_t>(n), 0);
    // The reset dropped the view's marks: they are shown again from the model.
    mirrorMarks();
}

void ListBoxWidget::mirrorMarks() {
    marksSeen_ = model_.marksRevision();
    const int n = model_.ListCount();
    std::vector<char> marks(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        marks[static_cast<size_t>(i)] = static_cast<char>(model_.Selected(i));
    if (marks == selected_) return;
    QItemSelection selection;
    for (int i = 0; i < n;) {
        if (!marks[static_cast<size_t>(i)]) {
            ++i;
            continue;
        }
        int end = i;
        while (end + 1 < n && marks[static_cast<size_t>(end) + 1])
            ++end;
        selection.select(entries_->index(i), entries_->index(end));
        i = end + 1;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    selected_ = std::move(marks);
}

void ListBoxWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) return;
    QListView::mousePressEvent(event);
}

void ListBoxWidget::userSelected(const QItemSelection& selected, const QItemSelection& deselected) {
    if (front_.syncing()) return;
    std::vector<std::pair<int, bool>> changes;
    auto collect = [&](const QItemSelection& s, bool on) {
        for (const QItemSelectionRange& range : s)
            for (int row = range.top(); row <= range.bottom(); ++row)
                if (row < static_cast<int>(selected_.size())) {
                    selected_[static_cast<size_t>(row)] = static_cast<char>(on);
                    changes.emplace_back(row, on);
                }
    };
    collect(deselected, false);
    collect(selected, true);
    const int current = currentIndex().row();
    ListBox& list = model_;
    const std::shared_ptr<const ControlEvents> events = handlers_.lock();
    if (!events) return;
    front_.forward([&] {
        for (auto [row, on] : changes)
            list.setSelected(row, on);
        // Marking moves the model's highlight; the widget's current entry is the real one.
        if (current < list.ListCount()) list.setListIndex(current);
        if (events->onClick) events->onClick();
    });
}

void ListBoxWidget::userMovedCurrent() {
    if (front_.syncing()) return;
    const int current = currentIndex().row();
    if (current == model_.ListIndex()) return;
    ListBox& list = model_;
    front_.forward([&list, current] { list.setListIndex(current); });
}

} // namespace xj
