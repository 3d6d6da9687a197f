#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <limits>

namespace xj {

// A window timer. Every change of Enabled or Interval re-arms it: the next tick comes a full
// interval after the change. The driver (Qt or virtual time) watches generation().
class Timer {
public:
    // The longest interval a timer takes, in milliseconds (Qt's limit).
    static constexpr qint64 MaxInterval = std::numeric_limits<int>::max();

    Timer(QString name, int interval, bool enabled)
        : Name(std::move(name)), interval_(interval), enabled_(enabled), serial_(++count_) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    QString Name;
    QString Tag;
    std::function<void()> onTimer;

    bool Enabled() const { return enabled_; }
    void setEnabled(bool on) {
        if (on != enabled_) {
            enabled_ = on;
            ++generation_;
        }
    }
    int Interval() const { return interval_; }
    // A negative or longer interval is an invalid value.
    void setInterval(qint64 ms);
    unsigned generation() const { return generation_; }
    // The next tick comes a full interval from now.
    void restart() { ++generation_; }
    // Runs the tick unless one is already running (a message box it opened may still be up).
    void fire();
    bool ticking() const { return ticking_; }
    // Tells timers apart over the whole run, also when one is made where another was.
    unsigned long serial() const { return serial_; }

private:
    int interval_;
    bool enabled_;
    unsigned generation_ = 0;
    unsigned long serial_;
    bool ticking_ = false;
    static inline unsigned long count_ = 0;
};

} // namespace xj
