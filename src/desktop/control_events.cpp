#include "desktop/control_events.h"

#include "desktop/geometry.h"
#include "desktop/key_codes.h"
#include "desktop/mouse_codes.h"
#include "form/control.h"

#include <QAbstractButton>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace xj {

namespace {
// The local files a drag brings; text and other addresses are not files to add.
QStringList droppedPaths(const QEvent* event) {
    const QMimeData* data = static_cast<const QDropEvent*>(event)->mimeData();
    QStringList paths;
    if (!data) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    return paths;
}
} // namespace

bool forwardDrop(FrontEnd& front, const EventSlots& handlers, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    const auto events = handlers.lock();
    if (!events || !events->onDrop) return false;
    const QStringList paths = droppedPaths(event);
    auto* drop = static_cast<QDropEvent*>(event);
    if (paths.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop) forwardEvent(front, handlers, &ControlEvents::onDrop, paths);
    return true;
}

EventForwarder::EventForwarder(FrontEnd& front, const Control& control, QWidget* widget,
                               QWidget* mouseArea)
    : QObject(widget), front_(front), handlers_(control.eventSlots()), mouseArea_(mouseArea),
      keyArea_(widget->focusProxy() ? widget->focusProxy() : widget),
      button_(qobject_cast<QAbstractButton*>(widget)) {
    mouseArea_->installEventFilter(this);
    if (keyArea_ != mouseArea_) keyArea_->installEventFilter(this);
    if (button_) connect(button_, &QAbstractButton::clicked, this, &EventForwarder::buttonClicked);
    if (control.events().onDrop) {
        widget->setAcceptDrops(true);
        mouseArea_->setAcceptDrops(true);
    }
}

bool EventForwarder::hasMouseUp() const {
    const auto events = handlers_.lock();
    return events && events->onMouseUp;
}

void EventForwarder::buttonClicked() {
    // Held for the release too, which follows even when the click closed the window.
    const std::shared_ptr<const ControlEvents> events = handlers_.lock();
    forwardEvent(front_, events, &ControlEvents::onClick);
    // Space, Enter or the accessibility bus pressed it: no mouse button comes up after.
    if (!releasing_) {
        const QPoint middle = button_->rect().center();
        release(events, 1, shiftCode(QGuiApplication::keyboardModifiers()),
                geometry::toTwips(middle.x()), geometry::toTwips(middle.y()));
    }
}

void EventForwarder::release(const EventSlots& handlers, int button, int shift, int x, int y) {
    if (button) forwardEvent(front_, handlers, &ControlEvents::onMouseUp, button, shift, x, y);
}

bool EventForwarder::releaseAfterClick(QEvent* event) {
    // The button takes the release first, so the click it makes runs before the release.
    const QPointer<EventForwarder> alive(this);
    const std::shared_ptr<const ControlEvents> events = handlers_.lock();
    releasing_ = true;
    static_cast<QObject*>(button_)->event(event); // public as a QObject
    if (!alive) return true;
    releasing_ = false;
    auto* me = static_cast<QMouseEvent*>(event);
    const QPoint p = me->position().toPoint();
    release(events, mouseButtonCode(me->button()), shiftCode(me->modifiers()),
            geometry::toTwips(p.x()), geometry::toTwips(p.y()));
    return true;
}

bool EventForwarder::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == mouseArea_ && forwardDrop(front_, handlers_, event)) return true;
    if (watched == button_ && type == QEvent::MouseButtonRelease && hasMouseUp())
        return releaseAfterClick(event);
    if (watched == mouseArea_ &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick)) {
        auto* me = static_cast<QMouseEvent*>(event);
        const int button = mouseButtonCode(me->button());
        const int shift = shiftCode(me->modifiers());
        const QPoint p = me->position().toPoint();
        const int x = geometry::toTwips(p.x()), y = geometry::toTwips(p.y());
        const auto slot = type == QEvent::MouseButtonRelease ? &ControlEvents::onMouseUp
                                                             : &ControlEvents::onMouseDown;
        if (button) forwardEvent(front_, handlers_, slot, button, shift, x, y);
        if (type == QEvent::MouseButtonDblClick)
            forwardEvent(front_, handlers_, &ControlEvents::onDblClick);
    }
    if (watched == keyArea_) {
        if (type == QEvent::KeyPress && button_) {
            // Enter presses the focused button, as Space does.
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                button_->click();
                return true;
            }
        }
        if (type == QEvent::KeyPress) {
            const int code = virtualKey(*static_cast<QKeyEvent*>(event));
            if (code) forwardEvent(front_, handlers_, &ControlEvents::onKeyDown, code);
        } else if (type == QEvent::FocusIn) {
            forwardEvent(front_, handlers_, &ControlEvents::onGotFocus);
        }
    }
    return false;
}

} // namespace xj
