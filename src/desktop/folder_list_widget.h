#pragma once

#include <QListWidget>
#include <memory>

namespace xj {

class DirListBox;
class FrontEnd;
struct ControlEvents;

// A directory list box: the current folder's path from the root down, one line per folder,
// then its subfolders, indented by depth. A click on a line, or Enter on the highlighted one,
// moves the list to that folder.
class FolderListWidget : public QListWidget {
    Q_OBJECT
public:
    FolderListWidget(DirListBox& model, FrontEnd& front, QWidget* parent);

    void mirror();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void moveTo(const QListWidgetItem* item);

    DirListBox& model_;
    std::weak_ptr<const ControlEvents> handlers_;
    FrontEnd& front_;
    QString path_;           // the folder shown
    QStringList subfolders_; // its subfolders shown
};

} // namespace xj
