#include "desktop/window_sync.h"

#include "desktop/qt_platform.h"

#include "desktop/front_end.h"
#include "desktop/geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace xj {

namespace {

// The frame's size for a client area of `client`: with the window manager's real borders once
// it has framed the window, the model's nominal outer size before.
QSize expectedFrame(const QWidget* w, const Window& m, QSize client) {
    const QSize borders = w->frameGeometry().size() - w->geometry().size();
    if (w->isVisible() && (borders.width() > 0 || borders.height() > 0)) return client + borders;
    return geometry::frameSize(m).expandedTo(client);
}

// The available area of the screen the frame is on, or else of the window's or the primary.
QRect availableArea(const QWidget* w, const QRect& frame) {
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen) screen = w->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

QPoint Placement::shift() const {
    if (!valid) return {};
    return placed - QPoint(geometry::toPixels(model.x()), geometry::toPixels(model.y()));
}

Qt::WindowStates qtWindowState(WindowState state) {
    switch (state) {
    case WindowState::Minimized:
        return Qt::WindowMinimized;
    case WindowState::Maximized:
        return Qt::WindowMaximized;
    default:
        return Qt::WindowNoState;
    }
}

WindowState modelWindowState(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) return WindowState::Minimized;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) return WindowState::Maximized;
    return WindowState::Normal;
}

void mirrorWindow(QWidget* w, const Window& m, QSize size, unsigned& focusSeen,
                  Placement& placement, QPoint follow) {
    const QString title = shownTitle(m);
    if (w->windowTitle() != title) w->setWindowTitle(title);
    if (w->isEnabled() != m.Enabled) w->setEnabled(m.Enabled);
    // State first: leaving the maximised state would otherwise restore an older size.
    const Qt::WindowStates state = qtWindowState(m.windowState());
    if ((w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) != state)
        w->setWindowState((w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)) |
                          state);
    if (m.windowState() == WindowState::Normal) {
        const QRect model(m.Left, m.Top, m.Width(), m.Height());
        const QSize frame = expectedFrame(w, m, size);
        if (!placement.valid || placement.model != model || placement.frame != frame) {
            const QRect want(geometry::framePosition(m) + follow, frame);
            placement = {model, frame, geometry::keepInside(want, availableArea(w, want)), true};
        }
        if (w->pos() != placement.placed) w->move(placement.placed);
        if (w->size() != size) w->resize(size);
    }
    if (w->isHidden() == m.Visible) w->setVisible(m.Visible);
    if (m.focusRequests() != focusSeen) {
        focusSeen = m.focusRequests();
        if (w->isVisible()) {
            w->raise();
            w->activateWindow();
        }
    }
}

void reportWindowSize(FrontEnd& front, Window& m, QWidget* w, QSize client, QSize modelClient,
                      QSize outer) {
    if (front.syncing() || !w->isVisible()) return;
    const WindowState state = modelWindowState(w->windowState());
    int width = m.Width(), height = m.Height();
    if (state != WindowState::Minimized && client != modelClient) {
        width = outer.width();
        height = outer.height();
    }
    if (width == m.Width() && height == m.Height() && state == m.windowState()) return;
    front.forward([&m, width, height, state] { m.userResized(width, height, state); });
}

void reportWindowMove(FrontEnd& front, Window& m, QWidget* w, Placement& placement) {
    if (front.syncing() || !w->isVisible() || w->windowState() != Qt::WindowNoState) return;
    const QPoint at = w->pos();
    // Where the view put it is no move of the user's.
    if (at == (placement.valid ? placement.placed : geometry::framePosition(m))) return;
    const int left = geometry::toTwips(at.x()), top = geometry::toTwips(at.y());
    // The model takes the new place as it is, and the view leaves the window there.
    placement = {QRect(left, top, m.Width(), m.Height()), expectedFrame(w, m, w->size()), at, true};
    front.forward([&m, left, top] {
        m.Left = left;
        m.Top = top;
    });
}

} // namespace xj
