#include "desktop/geometry.h"

#include "form/control.h"
#include "form/window.h"

#include <algorithm>

namespace xj::geometry {

int toPixels(int twips) {
    // Floor, so a window left of the screen's edge keeps its place when read back.
    return twips >= 0 ? twips / TwipsPerPixel : -((-twips + TwipsPerPixel - 1) / TwipsPerPixel);
}

int toTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

static int extent(int twips) {
    return std::max(0, twips / TwipsPerPixel);
}

QRect controlRect(const Control& c) {
    return QRect(toPixels(c.Left), toPixels(c.Top), extent(c.Width), extent(c.Height));
}

static int panelAllowance(bool menuBarShown) {
    return TitleHeight + (menuBarShown ? MenuBarHeight : 0);
}

QSize panelClient(int width, int height, bool menuBarShown) {
    return QSize(extent(width - FrameWidth), extent(height - panelAllowance(menuBarShown)));
}

QSize panelOuter(QSize client, bool menuBarShown) {
    return QSize(toTwips(client.width()) + FrameWidth,
                 toTwips(client.height()) + panelAllowance(menuBarShown));
}

QSize windowClient(int width, int height, int frameHeight) {
    return QSize(extent(width - FrameWidth), extent(height - frameHeight));
}

QSize windowOuter(QSize client, int frameHeight) {
    return QSize(toTwips(client.width()) + FrameWidth, toTwips(client.height()) + frameHeight);
}

QPoint framePosition(const Window& w) {
    return QPoint(toPixels(w.Left), toPixels(w.Top));
}

} // namespace xj::geometry
