#include "form/timer.h"

#include "form/failure.h"

namespace xj {

void Timer::setInterval(qint64 ms) {
    if (ms < 0 || ms > MaxInterval) throw Failure(err::InvalidValue);
    interval_ = static_cast<int>(ms);
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
