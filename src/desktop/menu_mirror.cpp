#include "desktop/menu_mirror.h"

#include "desktop/artwork.h"
#include "desktop/front_end.h"
#include "panel/menu_tree.h"

#include <QMenu>
#include <QMenuBar>

namespace xj {

MenuMirror::MenuMirror(PanelMenus& menus, FrontEnd& front, QMenuBar* bar, QWidget* window)
    : menus_(menus), front_(front), bar_(bar), window_(window) {
    for (Menu* top : menus.menuBar())
        bar->addMenu(build(*top, bar));
    build(menus.MNUBO, window);
    mirror();
}

QMenu* MenuMirror::build(Menu& menu, QWidget* parent) {
    auto* qmenu = new QMenu(menu.Caption, parent);
    qmenu->setObjectName(menu.Name);
    qmenu->menuAction()->setObjectName(menu.Name);
    qmenus_[&menu] = qmenu;
    actions_.emplace_back(&menu, qmenu->menuAction());
    for (Menu* item : menu.items)
        add(*item, qmenu);
    return qmenu;
}

void MenuMirror::add(Menu& item, QMenu* into) {
    if (!item.items.empty()) {
        into->addMenu(build(item, into));
        return;
    }
    QAction* action = item.isSeparator() ? into->addSeparator() : into->addAction(item.Caption);
    action->setObjectName(item.Name);
    actions_.emplace_back(&item, action);
    if (item.isSeparator()) return;
    window_->addAction(action);
    Menu* m = &item;
    QObject::connect(action, &QAction::triggered, action,
                     [this, m] { front_.forward([m] { m->Click(); }); });
}

void MenuMirror::mirror() {
    bool barShown = false;
    for (Menu* top : menus_.menuBar())
        barShown = barShown || top->Visible;
    if (bar_->isHidden() == barShown) bar_->setVisible(barShown);

    for (auto [menu, action] : actions_) {
        if (action->isVisible() != menu->Visible) action->setVisible(menu->Visible);
        if (action->isEnabled() != menu->Enabled) action->setEnabled(menu->Enabled);
        if (menu->isSeparator()) continue;
        if (action->text() != menu->Caption) action->setText(menu->Caption);
        const QKeySequence keys =
            QKeySequence::fromString(menu->Shortcut, QKeySequence::PortableText);
        if (action->shortcut() != keys) action->setShortcut(keys);
        // Only a ticked item is checkable, so unticked items draw no empty box.
        if (action->isCheckable() != menu->Checked) action->setCheckable(menu->Checked);
        if (action->isChecked() != menu->Checked) action->setChecked(menu->Checked);
        const QString picture = action->property("picture").toString();
        if (picture != menu->Picture) {
            action->setProperty("picture", menu->Picture);
            action->setIcon(artwork::menuIcon(menu->Picture));
        }
    }
}

QMenu* MenuMirror::menuOf(const Menu& menu) const {
    auto it = qmenus_.find(&menu);
    return it == qmenus_.end() ? nullptr : it->second;
}

QAction* MenuMirror::actionOf(const Menu& menu) const {
    for (auto [m, action] : actions_)
        if (m == &menu) return action;
    return nullptr;
}

} // namespace xj
