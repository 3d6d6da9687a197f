#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAbstractButton;
class QWidget;

namespace xj {

class Form2;
class FrontEnd;

// The handlers for one control's events; empty where the control has none. They take the
// panel and reach the other windows through it, as those close and open again. A new handler
// is one line in the table in control_events.cpp.
struct ControlEvents {
    using Plain = std::function<void(Form2&)>;
    using Mouse = std::function<void(Form2&, int button, int shift, int x, int y)>;
    using Key = std::function<void(Form2&, int keyCode)>;
    using Folder = std::function<void(Form2&, const QString& folder)>;
    Plain click{}, dblClick{}, change{}, gotFocus{};
    Mouse mouseDown{}, mouseUp{};
    Key keyDown{};
    Folder moveTo{}; // a folder list moved to another folder
};

// By window and control name: the windows' control names overlap.
const ControlEvents& controlEvents(const QString& windowName, const QString& controlName);

// Runs a control's plain event handler, if it has one, through the front-end.
void forwardEvent(FrontEnd& front, const ControlEvents::Plain& handler);

// Forwards mouse presses, releases and double-clicks on `mouseArea` (a list's viewport, or
// the widget) and key presses and focus on the widget's focus proxy to the control's handlers.
// A button's click comes before its release, however it is pressed: a click by keyboard or
// through the accessibility bus is followed by the release a mouse would make.
class EventForwarder : public QObject {
public:
    EventForwarder(FrontEnd& front, const ControlEvents& events, QWidget* widget,
                   QWidget* mouseArea);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buttonClicked();
    bool releaseAfterClick(QEvent* event);
    void release(int button, int shift, int x, int y);

    FrontEnd& front_;
    const ControlEvents& events_;
    QWidget* mouseArea_;
    QWidget* keyArea_;
    QAbstractButton* button_;
    bool releasing_ = false; // a mouse release is being handled by the button
};

} // namespace xj
