#pragma once

#include <map>
#include <vector>

class QTimer;

namespace xj {

class FrontEnd;
class Timer;

// One QTimer per model timer, re-armed whenever the model timer's generation changes, so the
// next tick comes a full interval after the change.
class TimerBridge {
public:
    explicit TimerBridge(FrontEnd& front) : front_(front) {}
    ~TimerBridge();
    TimerBridge(const TimerBridge&) = delete;
    TimerBridge& operator=(const TimerBridge&) = delete;

    // Follows the model's timers: new ones get a QTimer, gone ones lose theirs.
    void mirror(const std::vector<Timer*>& timers);
    void stopAll();

private:
    struct Armed {
        QTimer* timer;
        unsigned generation;
    };
    void tick(unsigned long serial);

    FrontEnd& front_;
    std::map<unsigned long, Armed> armed_;
};

} // namespace xj
