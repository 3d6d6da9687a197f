#pragma once

namespace xj {

class Form2;

// Play, pause and stop of whatever the player holds, with the buttons they enable.
class Transport {
public:
    static constexpr double PositionStep = 1.5; // seconds
    explicit Transport(Form2& f) : f_(f) {}

    void play();
    void pause();
    void stop();
    // The pop-up's play: play while the play button is enabled, else play the highlighted
    // entry. Its pause only acts while the pause button is enabled.
    void menuPlay();
    void menuPause();
    // The list's position keys: a second and a half on, or back but not before the start.
    void stepForward();
    void stepBack();

private:
    void untickSlideshow();
    Form2& f_;
};

} // namespace xj
