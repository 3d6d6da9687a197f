#include "desktop/folder_list_widget.h"

#include "desktop/control_events.h"
#include "desktop/front_end.h"
#include "form/file_controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

namespace xj {

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int DepthRole = Qt::UserRole + 1;
constexpr int Indent = 8; // pixels per level

class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() + index.data(DepthRole).toInt() * Indent);
        QStyledItemDelegate::paint(painter, shifted, index);
    }
};

QListWidgetItem* line(const QString& text, const QString& path, int depth,
                      QStyle::StandardPixmap icon) {
    auto* item = new QListWidgetItem(QApplication::style()->standardIcon(icon), text);
    item->setData(PathRole, path);
    item->setData(DepthRole, depth);
    return item;
}

} // namespace

FolderListWidget::FolderListWidget(DirListBox& model, FrontEnd& front, QWidget* parent)
    : QListWidget(parent), model_(model), handlers_(model.eventSlots()), front_(front) {
    setItemDelegate(new IndentDelegate(this));
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemClicked, this, &FolderListWidget::moveTo);
}

void FolderListWidget::mirror() {
    if (model_.Path == path_ && model_.subfolders == subfolders_) return;
    path_ = model_.Path;
    subfolders_ = model_.subfolders;
    clear();
    if (path_.isEmpty()) return;
    const QStringList parts = path_.split('/', Qt::SkipEmptyParts);
    addItem(line(QStringLiteral("/"), QStringLiteral("/"), 0, QStyle::SP_DriveHDIcon));
    QString ancestor;
    for (int i = 0; i < parts.size(); ++i) {
        ancestor += '/' + parts[i];
        // The folder itself keeps the model's spelling, so a click on it reads it again.
        addItem(line(parts[i], i + 1 == parts.size() ? path_ : ancestor, i + 1,
                     QStyle::SP_DirOpenIcon));
    }
    const int current = count() - 1;
    for (const QString& sub : subfolders_)
        addItem(line(sub.section('/', -1, -1, QString::SectionSkipEmpty), sub,
                     int(parts.size()) + 1, QStyle::SP_DirClosedIcon));
    setCurrentRow(current);
}

void FolderListWidget::moveTo(const QListWidgetItem* item) {
    if (!item || front_.syncing()) return;
    forwardEvent(front_, handlers_, &ControlEvents::onMoveTo, item->data(PathRole).toString());
}

void FolderListWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        moveTo(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FolderListWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The first click already moved; the second would land on the rebuilt list.
    event->accept();
}

} // namespace xj
