#pragma once

#include "desktop/window_sync.h"

#include <QMainWindow>
#include <QPixmap>
#include <memory>
#include <vector>

namespace xj {

class Control;
class Form2;
class FrontEnd;
class Menu;
class MenuMirror;

// The panel window: a widget per control over the tiled background, the menu bar and the
// pop-up menu. Closing it runs the panel's unload.
class PanelView : public QMainWindow {
    Q_OBJECT
public:
    PanelView(Form2& form, FrontEnd& front);
    ~PanelView() override;

    void mirror();
    void popup(Menu& menu);
    MenuMirror& menus() { return *menus_; }
    // The area the controls are placed in.
    QWidget* client() const { return centralWidget(); }
    // How far the panel stands from its model place to stay on the screen.
    QPoint shift() const { return placement_.shift(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool menuBarShown() const;
    void reportGeometry();

    Form2& form_;
    FrontEnd& front_;
    std::unique_ptr<MenuMirror> menus_;
    std::vector<std::pair<Control*, QWidget*>> controls_;
    unsigned focusSeen_ = 0;
    Placement placement_;
};

} // namespace xj
