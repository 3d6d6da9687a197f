#include "desktop/window_sync.h"

#include "desktop/qt_platform.h"

#include "desktop/front_end.h"
#include "desktop/geometry.h"

#include <QWidget>

namespace xj {

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

void mirrorWindow(QWidget* w, const Window& m, QSize size, unsigned& focusSeen) {
    const QString title = shownTitle(m);
    if (w->windowTitle() != title) w->setWindowTitle(title);
    if (w->isEnabled() != m.Enabled) w->setEnabled(m.Enabled);
    // State first: leaving the maximised state would otherwise restore an older size.
    const Qt::WindowStates state = qtWindowState(m.windowState());
    if ((w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) != state)
        w->setWindowState((w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)) |
                          state);
    if (m.windowState() == WindowState::Normal) {
        const QPoint at = geometry::framePosition(m);
        if (w->pos() != at) w->move(at);
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

void reportWindowMove(FrontEnd& front, Window& m, QWidget* w) {
    if (front.syncing() || !w->isVisible() || w->windowState() != Qt::WindowNoState) return;
    const QPoint at = w->pos();
    if (at == geometry::framePosition(m)) return;
    front.forward([&m, at] {
        m.Left = geometry::toTwips(at.x());
        m.Top = geometry::toTwips(at.y());
    });
}

} // namespace xj
