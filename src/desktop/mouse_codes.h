#pragma once

#include <Qt>

namespace xj {

// The button number the mouse handlers take: 1 left, 2 right, 4 middle; 0 for any other.
inline int mouseButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

// The shift state the mouse handlers take: 1 Shift, 2 Ctrl, 4 Alt, added up.
inline int shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace xj
