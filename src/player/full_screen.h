#pragma once

#include "form/window.h"

namespace xj {

// The player window over the whole screen. To the rest of the program it is a maximised
// window, so the fit check keeps the picture filling it; leaving returns the window to the
// state and place it had before.
class FullScreenMode {
public:
    explicit FullScreenMode(Window& window) : window_(window) {}

    bool on() const { return on_; }
    void enter();
    void leave();
    // The window changed size or state: once it is no longer maximised (the window system
    // took it out, or the fit check returned audio to its strip), full screen is over.
    void windowResized();

private:
    Window& window_;
    bool on_ = false;
    WindowState state_ = WindowState::Normal;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

} // namespace xj
