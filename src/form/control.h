#pragma once

#include "form/control_events.h"

#include <QString>
#include <memory>

namespace xj {

// A colour as red, green, blue (0-255).
struct Color {
    int r = 0, g = 0, b = 0;
    bool operator==(const Color&) const = default;
};

namespace colors {
constexpr Color Black{0, 0, 0};
constexpr Color Green{0, 255, 0};
constexpr Color Blue{0, 0, 255};
constexpr Color DarkTeal{0, 64, 64};
} // namespace colors

// A control of a window: position and size in twips, relative to the window's client area.
class Control {
public:
    Control(QString name, int left, int top, int width, int height, bool visible = true)
        : Name(std::move(name)), Left(left), Top(top), Width(width), Height(height),
          Visible(visible) {}
    explicit Control(QString name) : Name(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QString Name;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = true;
    // A helper the window keeps out of sight for good: it gets no widget, so nothing shows
    // it to a screen reader either.
    bool NeverShown = false;
    bool Enabled = true;
    QString Caption;
    QString ToolTipText;
    QString Tag;
    Color ForeColor = colors::Black;
    Color BackColor = colors::Black;

    // Binds the control's events, once, in its window next to the menus. Every control the
    // user can see is bound, also one that has none, so one left out shows in the tests.
    void bind(ControlEvents events) {
        *events_ = std::move(events);
        bound_ = true;
    }
    bool bound() const { return bound_; }
    const ControlEvents& events() const { return *events_; }
    // The slots as the front-end holds them: they run out with the control, and a slot that
    // is running stays alive when its handler closes the control's window.
    std::weak_ptr<const ControlEvents> eventSlots() const { return events_; }

private:
    std::shared_ptr<ControlEvents> events_ = std::make_shared<ControlEvents>();
    bool bound_ = false;
};

// The player's look for lists, boxes and labels: pure green text on black.
inline void greenOnBlack(Control& c) {
    c.ForeColor = colors::Green;
    c.BackColor = colors::Black;
}

// A button that shows a picture instead of a caption; its tooltip is its only text.
class CommandButton : public Control {
public:
    using Control::Control;
    bool Picture = false;
};

class Label : public Control {
public:
    using Control::Control;
};

class Image : public Control {
public:
    using Control::Control;
};

class HScrollBar : public Control {
public:
    using Control::Control;
    int Min = 0;
    int Max = 32767;
    int Value = 0;
    int SmallChange = 1; // an arrow or arrow key moves it this far
    int LargeChange = 1; // a page
};

} // namespace xj
