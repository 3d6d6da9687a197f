#pragma once

namespace xj {

class Form2;

// Commands that change windows rather than playback: the tool area, the menu bar, the player
// window, minimising, title-bar flashing and help.
class WindowModes {
public:
    static constexpr int MenuBarHeight = 285;

    explicit WindowModes(Form2& f) : f_(f) {}

    bool menuBarShown() const;
    void toggleMenuBar();
    void showMenuBar();
    void toggleToolArea();
    void togglePlayerWindow();
    void minimiseAll();
    void toggleFlashing();
    void openHelp();

private:
    Form2& f_;
};

} // namespace xj
