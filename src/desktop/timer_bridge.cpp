#include "desktop/timer_bridge.h"

#include "core/form2.h"
#include "desktop/front_end.h"
#include "form/timer.h"

#include <QTimer>

namespace xj {

TimerBridge::~TimerBridge() {
    for (auto& [serial, armed] : armed_)
        delete armed.timer;
}

void TimerBridge::mirror(const std::vector<Timer*>& timers) {
    std::map<unsigned long, Armed> kept;
    for (Timer* t : timers) {
        const unsigned long serial = t->serial();
        auto it = armed_.find(serial);
        bool rearm = false;
        if (it == armed_.end()) {
            auto* qt = new QTimer;
            QObject::connect(qt, &QTimer::timeout, qt, [this, serial] { tick(serial); });
            it = armed_.emplace(serial, Armed{qt, t->generation()}).first;
            rearm = true;
        } else if (it->second.generation != t->generation()) {
            it->second.generation = t->generation();
            rearm = true;
        }
        if (rearm) {
            if (t->Enabled() && t->Interval() > 0)
                it->second.timer->start(t->Interval());
            else
                it->second.timer->stop();
        }
        kept.insert(armed_.extract(it));
    }
    // What is left belongs to timers that are gone; one of them may be ticking right now.
    for (auto& [serial, armed] : armed_) {
        armed.timer->stop();
        armed.timer->deleteLater();
    }
    armed_ = std::move(kept);
}

void TimerBridge::stopAll() {
    for (auto& [serial, armed] : armed_)
        armed.timer->stop();
}

void TimerBridge::tick(unsigned long serial) {
    if (armed_.find(serial) == armed_.end()) return;
    Timer* timer = nullptr;
    for (Timer* t : front_.form().timers())
        if (t->serial() == serial) timer = t;
    if (!timer || !timer->Enabled() || timer->ticking()) return;
    front_.forward([timer] { timer->fire(); });
}

} // namespace xj
