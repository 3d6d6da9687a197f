#include "desktop/geometry.h"

#include "form/control.h"
#include "form/window.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace xj::geometry {

int twipsPerPixel() {
    const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    const qreal dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return dpi > 0 ? std::max(1, static_cast<int>(std::lround(1440.0 / dpi))) : 15;
}

int toPixels(int twips) {
    // Floor, so a window left of the screen's edge keeps its place when read back.
    const int t = twipsPerPixel();
    return twips >= 0 ? twips / t : -((-twips + t - 1) / t);
}

int toTwips(int pixels) {
    return pixels * twipsPerPixel();
}

static int extent(int twips) {
    return std::max(0, twips / twipsPerPixel());
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

QSize frameSize(const Window& w) {
    return QSize(extent(w.Width()), extent(w.Height()));
}

QPoint keepInside(const QRect& frame, const QRect& area) {
    if (area.isEmpty()) return frame.topLeft();
    QPoint at = frame.topLeft();
    at.setX(std::min(at.x(), area.x() + area.width() - frame.width()));
    at.setY(std::min(at.y(), area.y() + area.height() - frame.height()));
    at.setX(std::max(at.x(), area.x()));
    at.setY(std::max(at.y(), area.y()));
    return at;
}

} // namespace xj::geometry
