#include "form/timer.h"

#include "form/failure.h"

namespace xj {

void Timer::setInterval(int ms) {
    // Timers accept up to 65535 ms; a negative or larger value is an invalid value.
    if (ms < 0 || ms > 65535) throw Failure(err::InvalidValue);
    interval_ = ms;
    ++generation_;
}

void Timer::fire() {
    if (ticking_ || !onTimer) return;
    ticking_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{ticking_};
    onTimer();
}

} // namespace xj
