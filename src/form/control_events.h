#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace xj {

// The events a control reports to its window. The window binds them next to its menus; a slot
// left empty is an event the control does not have. Mouse events take the button (1 left,
// 2 right, 4 middle), the shift state (1 Shift, 2 Ctrl, 4 Alt) and the point in twips; key
// events the Windows virtual-key number.
struct ControlEvents {
    std::function<void()> onClick{};
    std::function<void()> onDblClick{};
    std::function<void()> onChange{};
    std::function<void()> onGotFocus{};
    std::function<void(int button, int shift, int x, int y)> onMouseDown{};
    std::function<void(int button, int shift, int x, int y)> onMouseUp{};
    std::function<void(int keyCode)> onKeyDown{};
    std::function<void(const QString& folder)> onMoveTo{};  // a folder list: the user chose one
    std::function<void(const QStringList& paths)> onDrop{}; // files dropped on the control
};

} // namespace xj
