#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace xj {

// A menu or menu item. A caption of "-" is a separator. Shortcut is Qt's portable text
// ("Ctrl+R"), empty for none.
class Menu {
public:
    Menu(QString name, QString caption, QString shortcut = {})
        : Name(std::move(name)), Caption(std::move(caption)), Shortcut(std::move(shortcut)) {}
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    QString Name;
    QString Caption;
    QString Shortcut;
    bool Visible = true;
    bool Enabled = true;
    bool Checked = false;
    QString Picture; // name of the image shown beside the item, empty for none
    std::vector<Menu*> items;
    std::function<void()> onClick;

    bool isSeparator() const { return Caption == QStringLiteral("-"); }
    void Click() {
        if (onClick) onClick();
    }
};

} // namespace xj
