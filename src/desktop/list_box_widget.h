#pragma once

#include <QListWidget>
#include <memory>
#include <vector>

namespace xj {

class FrontEnd;
class ListBox;
struct ControlEvents;

// A list box: mirrors the model's entries, marks and highlighted entry, and writes the user's
// selection back into the model. Entries are rebuilt only when they changed.
class ListBoxWidget : public QListWidget {
    Q_OBJECT
public:
    ListBoxWidget(ListBox& model, FrontEnd& front, QWidget* parent);

    void mirror();

protected:
    // A right press opens the pop-up menu and leaves the selection alone.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void userSelected(const QItemSelection& selected, const QItemSelection& deselected);
    void userMovedCurrent();

    ListBox& model_;
    std::weak_ptr<const ControlEvents> handlers_;
    FrontEnd& front_;
    QStringList texts_;          // the entries shown
    std::vector<char> selected_; // the marks shown
};

} // namespace xj
