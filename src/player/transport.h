#pragma once

namespace xj {

class Form2;

// Play, pause and stop of whatever the player holds, with the buttons they enable.
class Transport {
public:
    explicit Transport(Form2& f) : f_(f) {}

    void play();
    void pause();
    void stop();
    // The pop-up's play: play while the play button is enabled, else play the highlighted
    // entry. Its pause only acts while the pause button is enabled.
    void menuPlay();
    void menuPause();

private:
    void untickSlideshow();
    Form2& f_;
};

} // namespace xj
