#pragma once

namespace xj {

class Form2;

// The panel's heartbeat: every two seconds it flashes the title bar when asked, notices the
// end of the playing entry and starts the following one, fits the player window and
// refreshes the captions.
class StatusTimer {
public:
    explicit StatusTimer(Form2& f) : f_(f) {}
    void tick();

private:
    void fitPlayer();
    Form2& f_;
};

} // namespace xj
