#include "desktop/control_events.h"

#include "core/form2.h"
#include "desktop/front_end.h"
#include "desktop/geometry.h"
#include "desktop/key_codes.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <map>

namespace xj {

const ControlEvents& controlEvents(const QString& window, const QString& name) {
    // Handlers without the event's arguments take none.
    static const auto released = [](void (Form2::*h)()) {
        return [h](Form2& f, int, int, int, int) { (f.*h)(); };
    };
    // The folder browser is looked up at each event: it is a new object each time it opens.
    static const auto browser = [](void (Form4::*h)()) {
        return [h](Form2& f) {
            if (Form4* b = f.form4IfLoaded()) (b->*h)();
        };
    };
    using Table = std::map<QString, ControlEvents>;
    static const std::map<QString, Table> tables = {
        {"Form2",
         {
             {"Command1", {.click = &Form2::Command1_Click}},
             {"Command2", {.click = &Form2::Command2_Click}},
             {"Command4", {.click = &Form2::Command4_Click}},
             {"Command5", {.click = &Form2::Command5_Click}},
             {"Command8", {.click = &Form2::Command8_Click}},
             {"Command10", {.click = &Form2::Command10_Click}},
             {"Command11", {.click = &Form2::Command11_Click}},
             {"Command12", {.click = &Form2::Command12_Click}},
             {"Command13", {.click = &Form2::Command13_Click}},
             {"Command14", {.click = &Form2::Command14_Click}},
             {"Command15", {.click = &Form2::Command15_Click}},
             {"Command17", {.click = &Form2::Command17_Click}},
             {"Command19", {.click = &Form2::Command19_Click}},
             {"Command20", {.click = &Form2::Command20_Click}},
             {"Command22", {.click = &Form2::Command22_Click}},
             {"Command24",
              {.click = &Form2::Command24_Click, .mouseUp = released(&Form2::Command24_MouseUp)}},
             {"Command25",
              {.click = &Form2::Command25_Click, .mouseUp = released(&Form2::Command25_MouseUp)}},
             {"Command26", {.click = &Form2::Command26_Click}},
             {"Combo1", {.keyDown = &Form2::Combo1_KeyDown}},
             {"Label1", {.click = &Form2::Label1_Click}},
             {"Label2", {.click = &Form2::Label2_Click}},
             {"Label4", {.click = &Form2::Label4_Click}},
             {"Label5", {.click = &Form2::Label5_Click}},
             {"Label6", {.click = &Form2::Label6_Click}},
             {"List1",
              {.click = &Form2::List1_Click,
               .dblClick = &Form2::List1_DblClick,
               .gotFocus = &Form2::List1_GotFocus,
               .mouseDown = &Form2::List1_MouseDown,
               .keyDown = &Form2::List1_KeyDown}},
         }},
        {"Form4",
         {
             {"Drive1", {.change = browser(&Form4::Drive1_Change)}},
             {"Dir1",
              {.moveTo =
                   [](Form2& f, const QString& folder) {
                       if (Form4* b = f.form4IfLoaded()) b->setFolder(folder);
                   }}},
             {"Combo1",
              {.click = browser(&Form4::Combo1_Click), .change = browser(&Form4::Combo1_Change)}},
             {"Command2", {.click = browser(&Form4::Command2_Click)}},
             {"Command3", {.click = browser(&Form4::Command3_Click)}},
         }},
    };
    static const ControlEvents none;
    auto table = tables.find(window);
    if (table == tables.end()) return none;
    auto it = table->second.find(name);
    return it == table->second.end() ? none : it->second;
}

void forwardEvent(FrontEnd& front, const ControlEvents::Plain& handler) {
    if (!handler) return;
    Form2& form = front.form();
    front.forward([&form, &handler] { handler(form); });
}

namespace {

int buttonCode(Qt::MouseButton b) {
    switch (b) {
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

int shiftCode(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

} // namespace

EventForwarder::EventForwarder(FrontEnd& front, const ControlEvents& events, QWidget* widget,
                               QWidget* mouseArea)
    : QObject(widget), front_(front), events_(events), mouseArea_(mouseArea),
      keyArea_(widget->focusProxy() ? widget->focusProxy() : widget),
      button_(qobject_cast<QAbstractButton*>(widget)) {
    mouseArea_->installEventFilter(this);
    if (keyArea_ != mouseArea_) keyArea_->installEventFilter(this);
    if (button_) connect(button_, &QAbstractButton::clicked, this, &EventForwarder::buttonClicked);
}

void EventForwarder::buttonClicked() {
    forwardEvent(front_, events_.click);
    // Space, Enter or the accessibility bus pressed it: no mouse button comes up after.
    if (!releasing_) {
        const QPoint middle = button_->rect().center();
        release(1, shiftCode(QGuiApplication::keyboardModifiers()), geometry::toTwips(middle.x()),
                geometry::toTwips(middle.y()));
    }
}

void EventForwarder::release(int button, int shift, int x, int y) {
    if (!events_.mouseUp || !button) return;
    Form2& form = front_.form();
    front_.forward([&] { events_.mouseUp(form, button, shift, x, y); });
}

bool EventForwarder::releaseAfterClick(QEvent* event) {
    // The button takes the release first, so the click it makes runs before the release.
    const QPointer<EventForwarder> alive(this);
    releasing_ = true;
    static_cast<QObject*>(button_)->event(event); // public as a QObject
    if (!alive) return true;
    releasing_ = false;
    auto* me = static_cast<QMouseEvent*>(event);
    const QPoint p = me->position().toPoint();
    release(buttonCode(me->button()), shiftCode(me->modifiers()), geometry::toTwips(p.x()),
            geometry::toTwips(p.y()));
    return true;
}

bool EventForwarder::eventFilter(QObject* watched, QEvent* event) {
    Form2& form = front_.form();
    const QEvent::Type type = event->type();
    if (watched == button_ && type == QEvent::MouseButtonRelease && events_.mouseUp)
        return releaseAfterClick(event);
    if (watched == mouseArea_ &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick)) {
        auto* me = static_cast<QMouseEvent*>(event);
        const int button = buttonCode(me->button());
        const int shift = shiftCode(me->modifiers());
        const QPoint p = me->position().toPoint();
        const int x = geometry::toTwips(p.x()), y = geometry::toTwips(p.y());
        const auto& handler =
            type == QEvent::MouseButtonRelease ? events_.mouseUp : events_.mouseDown;
        if (handler && button) front_.forward([&] { handler(form, button, shift, x, y); });
        if (type == QEvent::MouseButtonDblClick) forwardEvent(front_, events_.dblClick);
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
        if (type == QEvent::KeyPress && events_.keyDown) {
            const int code = virtualKey(*static_cast<QKeyEvent*>(event));
            if (code) front_.forward([&] { events_.keyDown(form, code); });
        } else if (type == QEvent::FocusIn) {
            forwardEvent(front_, events_.gotFocus);
        }
    }
    return false;
}

} // namespace xj
