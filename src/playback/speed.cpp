#include "playback/speed.h"

#include "core/form2.h"
#include "form/failure.h"
#include "player/form1.h"

#include <cmath>

namespace xj {

namespace {

constexpr double Tenth = 0.1;
constexpr double StepFactor = 1.1;
constexpr int FastestInterval = 10;

// Two decimals at most, at least one: "1.21", "1.5", "1.0".
QString speedNumber(double value) {
    QString text = QString::number(value, 'f', 2);
    if (text.endsWith(QLatin1Char('0'))) text.chop(1);
    return text;
}

} // namespace

QString stepText(double seconds) {
    // A step past the range of a double is an overflow, as the text could not be read back.
    if (!std::isfinite(seconds)) throw Failure(6, "overflow");
    return QString::number(seconds, 'g', 15);
}

bool Speed::reverseOn() const {
    return f_.Timer3.Enabled();
}

double Speed::rate() const {
    return f_.form1().MediaPlayer1.Rate();
}

void Speed::setRate(double rate) {
    f_.form1().MediaPlayer1.setRate(rate);
}

double Speed::step() const {
    return f_.Timer3.Tag.toDouble();
}

void Speed::setStep(double seconds) {
    f_.Timer3.Tag = stepText(seconds);
}

void Speed::setInterval(double ms) {
    // Whole milliseconds, a half going to the even neighbour.
    f_.Timer3.setInterval(static_cast<qint64>(std::nearbyint(ms)));
}

QString Speed::shown() const {
    if (reverseOn()) {
        const double perSecond = step() * 1000.0 / f_.Timer3.Interval();
        return QString::fromUtf8("倒放 ") + speedNumber(perSecond) + QString::fromUtf8("×");
    }
    return speedNumber(rate()) + QString::fromUtf8("×");
}

void Speed::announce() {
    f_.form1().speedBadge.show(shown());
}

void Speed::recover() {
    MediaPlayer& mp = f_.form1().MediaPlayer1;
    mp.setCurrentPosition(0);
    f_.Timer3.setEnabled(false);
    mp.setRate(1.0);
}

template <class F> void Speed::changing(F&& change) {
    try {
        change();
    } catch (const Failure&) {
        announce();
        throw;
    }
    announce();
}

template <class F> void Speed::slowing(F&& change) {
    changing([&] {
        try {
            change();
        } catch (const Failure& e) {
            if (e.number() != err::InvalidValue) throw;
            recover();
        }
    });
}

void Speed::fasterButton() {
    changing([&] {
        if (reverseOn()) {
            setStep(step() * StepFactor);
        } else {
            const double r = rate();
            setRate(r + r * Tenth);
        }
    });
}

void Speed::normalButton() {
    changing([&] {
        if (reverseOn())
            setStep(StartStep);
        else
            setRate(1.0);
    });
}

void Speed::slowerButton() {
    slowing([this] {
        if (!reverseOn()) {
            const double r = rate();
            setRate(r - r * Tenth);
        }
        if (reverseOn()) setStep(step() / StepFactor);
    });
}

void Speed::toggleReverse() {
    changing([&] {
        MediaPlayer& mp = f_.form1().MediaPlayer1;
        if (reverseOn()) {
            f_.Timer3.setEnabled(false);
            mp.Play();
        } else {
            mp.Pause();
            f_.Timer3.setEnabled(true);
        }
    });
}

void Speed::menuFaster(double fraction) {
    changing([&] {
        if (!reverseOn()) {
            const double r = rate();
            setRate(r + r * fraction);
        }
        if (f_.Timer3.Interval() > FastestInterval && reverseOn())
            setInterval(f_.Timer3.Interval() / StepFactor);
    });
}

void Speed::menuSlower() {
    slowing([this] {
        if (!reverseOn()) {
            const double r = rate();
            setRate(r - r * Tenth);
        }
        if (reverseOn()) setInterval(f_.Timer3.Interval() * StepFactor);
    });
}

void Speed::menuNormal() {
    changing([&] { setRate(1.0); });
}

void Speed::reverseTick() {
    MediaPlayer& mp = f_.form1().MediaPlayer1;
    try {
        mp.setCurrentPosition(mp.CurrentPosition() - step());
    } catch (const Failure& e) {
        if (e.number() != err::InvalidValue) return;
        recover();
        announce();
    }
}

} // namespace xj
