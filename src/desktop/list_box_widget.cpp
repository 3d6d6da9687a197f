#include "desktop/list_box_widget.h"

#include "desktop/control_events.h"
#include "desktop/front_end.h"
#include "form/list_box.h"

#include <QMouseEvent>

namespace xj {

namespace {
const QString ListFont = QStringLiteral("WenQuanYi Micro Hei");
}

ListBoxWidget::ListBoxWidget(ListBox& model, FrontEnd& front, QWidget* parent)
    : QListWidget(parent), model_(model), handlers_(model.eventSlots()), front_(front) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Uniform rows keep a list of the full 32767 entries quick to fill and scroll.
    setUniformItemSizes(true);
    // Long names are cut at the edge, as in a list box; the rows keep the whole height.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListBoxWidget::userSelected);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ListBoxWidget::userMovedCurrent);
}

void ListBoxWidget::mirror() {
    QFont f = font();
    if (f.family() != ListFont || f.pointSizeF() != model_.FontSize) {
        f.setFamily(ListFont);
        f.setPointSizeF(model_.FontSize);
        setFont(f);
    }

    const int n = model_.ListCount();
    bool same = n == texts_.size();
    for (int i = 0; same && i < n; ++i)
        same = model_.List(i) == texts_[i];
    if (!same) {
        texts_.clear();
        texts_.reserve(n);
        for (int i = 0; i < n; ++i)
            texts_ << model_.List(i);
        clear();
        addItems(texts_);
        selected_.assign(static_cast<size_t>(n), 0);
    }

    std::vector<char> marks(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        marks[static_cast<size_t>(i)] = static_cast<char>(model_.Selected(i));
    if (marks != selected_) {
        QItemSelection selection;
        for (int i = 0; i < n;) {
            if (!marks[static_cast<size_t>(i)]) {
                ++i;
                continue;
            }
            int end = i;
            while (end + 1 < n && marks[static_cast<size_t>(end) + 1])
                ++end;
            selection.select(model()->index(i, 0), model()->index(end, 0));
            i = end + 1;
        }
        selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        selected_ = std::move(marks);
    }

    const int index = model_.ListIndex();
    if (currentRow() != index)
        selectionModel()->setCurrentIndex(index >= 0 ? model()->index(index, 0) : QModelIndex(),
                                          QItemSelectionModel::NoUpdate);
}

void ListBoxWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) return;
    QListWidget::mousePressEvent(event);
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
    const int current = currentRow();
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
    const int current = currentRow();
    if (current == model_.ListIndex()) return;
    ListBox& list = model_;
    front_.forward([&list, current] { list.setListIndex(current); });
}

} // namespace xj
