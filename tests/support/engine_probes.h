#pragma once

#include "form/failure.h"
#include "ports/media_engine.h"

#include <functional>

namespace xj::test {

// The failure number an action ends with; 0 when it does not fail.
inline int failureNumber(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.number();
    }
    return 0;
}

// Counts the engine's notifications of a duration and of an end.
class CountingListener : public MediaListener {
public:
    void durationKnown() override { ++durations; }
    void playbackEnded() override { ++ends; }
    int durations = 0;
    int ends = 0;
};

} // namespace xj::test
