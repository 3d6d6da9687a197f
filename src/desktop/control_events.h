#pragma once

#include "desktop/front_end.h"
#include "form/control_events.h"

#include <QObject>
#include <memory>

class QAbstractButton;
class QEvent;
class QWidget;

namespace xj {

class Control;

// A control's event handlers as its widgets hold them: empty once the control is gone.
using EventSlots = std::weak_ptr<const ControlEvents>;

// Runs one of a control's handlers through the front-end, if the control still stands and the
// slot is bound. The handlers stay alive while it runs, also when it closes their window.
template <class Slot, class... Args>
void forwardEvent(FrontEnd& front, const EventSlots& handlers, Slot ControlEvents::*slot,
                  const Args&... args) {
    const std::shared_ptr<const ControlEvents> events = handlers.lock();
    if (!events || !((*events).*slot)) return;
    front.forward([&] { ((*events).*slot)(args...); });
}

// Takes a drag or drop of local files for the control's drop handler: true when it was one.
bool forwardDrop(FrontEnd& front, const EventSlots& handlers, QEvent* event);

// Forwards mouse presses, releases and double-clicks on `mouseArea` (a list's viewport, or
// the widget) and key presses and focus on the widget's focus proxy to the control's handlers.
// Local files dragged onto a control with a drop handler are dropped on it. A button's click
// comes before its release, however it is pressed: a click by keyboard or through the
// accessibility bus is followed by the release a mouse would make.
class EventForwarder : public QObject {
public:
    EventForwarder(FrontEnd& front, const Control& control, QWidget* widget, QWidget* mouseArea);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buttonClicked();
    bool releaseAfterClick(QEvent* event);
    void release(const EventSlots& handlers, int button, int shift, int x, int y);
    bool hasMouseUp() const;

    FrontEnd& front_;
    EventSlots handlers_;
    QWidget* mouseArea_;
    QWidget* keyArea_;
    QAbstractButton* button_;
    bool releasing_ = false; // a mouse release is being handled by the button
};

} // namespace xj
