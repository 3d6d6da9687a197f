#include "support/virtual_time.h"

#include "form/events.h"
#include "support/fakes.h"

namespace xj::test {

void VirtualTime::rearm() {
    std::map<unsigned long, Armed> next;
    for (Timer* t : timers_()) {
        auto it = armed_.find(t->serial());
        if (it != armed_.end() && it->second.generation == t->generation())
            next[t->serial()] = it->second;
        else
            next[t->serial()] = {t->generation(), now_ + t->Interval()};
    }
    armed_ = std::move(next);
}

void VirtualTime::moveTo(long long t) {
    if (engine_ && t > now_) engine_->advance(static_cast<int>(t - now_));
    now_ = t;
}

void VirtualTime::advance(int ms) {
    const long long end = now_ + ms;
    for (;;) {
        rearm();
        Timer* due = nullptr;
        long long when = end + 1;
        for (Timer* t : timers_()) {
            const Armed& a = armed_[t->serial()];
            if (t->Enabled() && t->Interval() > 0 && a.due < when) {
                when = a.due;
                due = t;
            }
        }
        if (!due) break;
        moveTo(when);
        // Playback that ended on the way may have re-armed it (the engine's end notification).
        if (due->generation() != armed_[due->serial()].generation || !due->Enabled()) continue;
        armed_[due->serial()].due = now_ + due->Interval();
        runHandler([due] { due->fire(); });
    }
    moveTo(end);
}

} // namespace xj::test
