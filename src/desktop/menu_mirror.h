#pragma once

#include <QString>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace xj {

class FrontEnd;
class Menu;
struct PanelMenus;

// The panel's menus as Qt actions: the menu bar's four menus and the pop-up menu, one action
// per item. Every item's action also belongs to the window, so its shortcut works while the
// menu bar is hidden and for the pop-up menu's items.
class MenuMirror {
public:
    MenuMirror(PanelMenus& menus, FrontEnd& front, QMenuBar* bar, QWidget* window);

    void mirror();
    // The Qt menu of a model menu that has items; nullptr for any other.
    QMenu* menuOf(const Menu& menu) const;
    QAction* actionOf(const Menu& menu) const;

private:
    QMenu* build(Menu& menu, QWidget* parent);
    void add(Menu& item, QMenu* into);

    PanelMenus& menus_;
    FrontEnd& front_;
    QMenuBar* bar_;
    QWidget* window_;
    std::vector<std::pair<Menu*, QAction*>> actions_;
    std::map<const Menu*, QMenu*> qmenus_;
};

} // namespace xj
