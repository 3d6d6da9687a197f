#pragma once

#include <QString>

namespace xj {

class Form2;

// How fast the playing entry runs. Forwards it is the control's rate; backwards the control
// is paused and the panel's Timer3 steps its position back: the step (seconds, kept as text
// in the timer's Tag) every interval. Reverse play is on exactly while Timer3 runs.
class Speed {
public:
    static constexpr double StartStep = 0.09;

    explicit Speed(Form2& f) : f_(f) {}

    void fasterButton();
    void normalButton();
    void slowerButton();
    void toggleReverse();
    void menuFaster(double fraction);
    void menuSlower();
    void menuNormal();
    void reverseTick();

    bool reverseOn() const;
    // The speed as the player window shows it: "1.21×", or "倒放 1.5×" backwards.
    QString shown() const;

private:
    double rate() const;
    void setRate(double rate);
    double step() const;
    void setStep(double seconds);
    void setInterval(double ms);
    // Runs a change; the new speed is shown whether or not it went through.
    template <class F> void changing(F&& change);
    // Runs a slowing step; a value refused as invalid returns to the start at normal speed.
    template <class F> void slowing(F&& change);
    void recover();
    void announce();
    Form2& f_;
};

// A step as the Tag keeps it: 15 significant digits.
QString stepText(double seconds);

} // namespace xj
