#pragma once

namespace xj {

class Form2;

// The panel's Timer2: the slideshow (an entry every 3.5 or 19 seconds; the interval is its
// state), the time display in Label1 and the player window's background picture.
class Slideshow {
public:
    static constexpr int PlainInterval = 1000;
    static constexpr int FastInterval = 3500;
    static constexpr int SlowInterval = 19000;
    static constexpr int ParkedTop = 20000; // the background picture out of sight

    explicit Slideshow(Form2& f) : f_(f) {}

    void fastCommand();
    void slowCommand();
    void tick();

private:
    void showTime();
    void placeBackground();
    Form2& f_;
};

} // namespace xj
