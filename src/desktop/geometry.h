#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace xj {

class Control;
class Window;

// The model keeps twips; the widgets take logical pixels. The window allowances are nominal,
// so every control stays inside the client area whatever the window manager's real frame is.
namespace geometry {

constexpr int FrameWidth = 90;     // both side borders together
constexpr int TitleHeight = 375;   // title bar and bottom border
constexpr int MenuBarHeight = 285; // the menu bar, while shown

// Twips in one logical pixel: 1440 over the primary screen's logical dots per inch (15 at 96).
// Every conversion between the two goes through it.
int twipsPerPixel();
int toPixels(int twips);
int toTwips(int pixels);

// A control's rectangle in its window's client area.
QRect controlRect(const Control& control);

// The panel's client area (below the menu bar) for its outer size, and back.
QSize panelClient(int width, int height, bool menuBarShown);
QSize panelOuter(QSize client, bool menuBarShown);

// A window's client area for its outer size, and back; frameHeight is the window's own title
// allowance.
QSize windowClient(int width, int height, int frameHeight = TitleHeight);
QSize windowOuter(QSize client, int frameHeight = TitleHeight);

// The top-left corner of a window's frame, and its outer size, as the model has them.
QPoint framePosition(const Window& window);
QSize frameSize(const Window& window);

// Where `frame` goes to lie inside `area`: moved back over the right and bottom edges, then
// over the left and top ones, so a frame larger than the area shows its top left. An empty
// area leaves the frame where it is.
QPoint keepInside(const QRect& frame, const QRect& area);

} // namespace geometry
} // namespace xj
