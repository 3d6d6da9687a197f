#include "player/full_screen.h"

namespace xj {

void FullScreenMode::enter() {
    if (on_) return;
    state_ = window_.windowState();
    left_ = window_.Left;
    top_ = window_.Top;
    width_ = window_.Width();
    height_ = window_.Height();
    window_.setWindowState(WindowState::Maximized);
    on_ = true;
}

void FullScreenMode::leave() {
    if (!on_) return;
    on_ = false;
    window_.setWindowState(state_);
    window_.Move(left_, top_, width_, height_);
}

void FullScreenMode::windowResized() {
    if (window_.windowState() != WindowState::Maximized) on_ = false;
}

} // namespace xj
