#include "form/window.h"

#include "form/failure.h"

namespace xj {

void Window::resize(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    if (loaded_) Form_Resize();
}

void Window::Move(int left, int top, int width, int height) {
    Left = left;
    Top = top;
    resize(width, height);
}

void Window::setWindowState(WindowState state) {
    if (state == state_) return;
    state_ = state;
    if (loaded_) Form_Resize();
}

void Window::userResized(int width, int height, WindowState state) {
    bool changed = width != width_ || height != height_ || state != state_;
    width_ = width;
    height_ = height;
    state_ = state;
    if (changed && loaded_) Form_Resize();
}

void Window::SetFocus() {
    if (!Visible || !Enabled || state_ == WindowState::Minimized) throw Failure(err::InvalidCall);
    ++focusRequests_;
}

} // namespace xj
