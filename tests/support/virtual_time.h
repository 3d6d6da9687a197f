#pragma once

#include "form/timer.h"

#include <functional>
#include <map>
#include <vector>

namespace xj::test {

class FakeEngine;

// Fires the model's timers in virtual time, in the order they fall due; a timer re-armed by a
// change of Enabled or Interval counts its interval from the change. Playback in the fake
// engine moves on with the clock.
class VirtualTime {
public:
    VirtualTime(std::function<std::vector<Timer*>()> timers, FakeEngine* engine = nullptr)
        : timers_(std::move(timers)), engine_(engine) {}

    void advance(int ms);
    long long now() const { return now_; }

private:
    struct Armed {
        unsigned generation;
        long long due;
    };
    void rearm();
    void moveTo(long long t);

    std::function<std::vector<Timer*>()> timers_;
    FakeEngine* engine_;
    long long now_ = 0;
    std::map<unsigned long, Armed> armed_;
};

} // namespace xj::test
