#pragma once

namespace xj {

class Form2;

// "当前媒体资料(&B)": shows or hides the control's information display and sizes the player
// window so that it fits (for audio, the window is the control's bar plus the display).
class MediaInfo {
public:
    explicit MediaInfo(Form2& f) : f_(f) {}

    void toggle();

private:
    Form2& f_;
};

} // namespace xj
