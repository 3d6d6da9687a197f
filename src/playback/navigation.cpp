#include "playback/navigation.h"

#include "core/form2.h"
#include "form/events.h"
#include "form/failure.h"
#include "player/form1.h"

namespace xj {

namespace {
// listbian is 16-bit: going past its range is an overflow.
qint16 asIndex(int n) {
    if (n > 32767 || n < -32768) throw Failure(6, "overflow");
    return static_cast<qint16>(n);
}
} // namespace

void Navigation::load() {
    f_.form1().MediaPlayer1.setFileName(f_.List1.List(f_.listbian));
}

void Navigation::fitPlayer() {
    Form1& p = f_.form1();
    MediaPlayer& mp = p.MediaPlayer1;
    mp.Width = p.Width();
    if (mp.isAudio()) {
        mp.Height = Form1::AudioControlHeight;
        p.Top = f_.Top - p.Height();
        if (p.Top <= 0) p.Top = 100;
        p.Left = f_.Left;
        p.setHeight(p.audioHeight());
        p.setWidth(f_.Width());
    } else {
        if (p.Height() < 2000) p.setHeight(5000);
        mp.Height = p.Height() - p.frameHeight();
    }
}

void Navigation::previous() {
    runHandler([this] {
        f_.Timer1.setEnabled(false);
        f_.listbian = asIndex(f_.listbian - 1);
        if (f_.listbian < 0) f_.listbian = asIndex(f_.List1.ListCount() - 1);
        load();
        if (f_.form1().windowState() == WindowState::Normal) fitPlayer();
        const int h = f_.List1.ListIndex();
        f_.List1.setSelected(h, false);
        f_.List1.setSelected(h != 0 ? h - 1 : f_.listbian, true);
        f_.form1().Timer1.setEnabled(true);
    });
}

void Navigation::next() {
    runHandler([this] {
        f_.Timer1.setEnabled(false);
        f_.listbian = asIndex(f_.listbian + 1);
        if (f_.listbian > f_.List1.ListCount() - 1) f_.listbian = 0;
        load();
        if (f_.form1().windowState() == WindowState::Normal) fitPlayer();
        // The highlight steps from where it stands; only the wrap-around jumps to entry 0.
        const int h = f_.List1.ListIndex();
        f_.List1.setSelected(h, false);
        f_.List1.setSelected(f_.listbian != 0 ? h + 1 : 0, true);
        f_.form1().Timer1.setEnabled(true);
    });
}

void Navigation::menuPrevious() {
    if (f_.Command24.Enabled) previous();
    f_.Timer1.setEnabled(true);
}

void Navigation::menuNext() {
    if (f_.Command25.Enabled) next();
    f_.Timer1.setEnabled(true);
}

void Navigation::toggleLoopMode() {
    f_.mosi = !isTrue(f_.mosi);
    // The look flips by itself; it starts in step with the mode and so stays in step.
    f_.Label6.BackColor = f_.Label6.BackColor == colors::DarkTeal ? colors::Blue : colors::DarkTeal;
    f_.Label6.Caption = f_.Label6.Caption == QString::fromUtf8("全") ? QString::fromUtf8("单")
                                                                     : QString::fromUtf8("全");
}

void Navigation::toggleRandomMode() {
    f_.MNUSUIJI.Checked = !f_.MNUSUIJI.Checked;
    f_.MNUSUIJI2.Checked = !f_.MNUSUIJI2.Checked;
    f_.XUNHUAN = !isTrue(f_.XUNHUAN);
}

int Navigation::following(int from, int count, bool random, const QString& timeOfDay) {
    int n = from + 1;
    if (random) {
        const QChar last = timeOfDay.isEmpty() ? QChar('0') : timeOfDay.back();
        n += last.isDigit() ? last.digitValue() : 0;
        if (count > 50) n += 10;
        if (count > 100) n += 20;
    }
    asIndex(n);
    if (n >= count) n = random ? n % 10 : 0;
    if (n >= count) n = 0;
    return n;
}

void Navigation::advanceAtEnd() {
    if (isTrue(f_.mosi)) {
        load();
        return;
    }
    f_.listbian = asIndex(following(f_.listbian, f_.List1.ListCount(), isTrue(f_.XUNHUAN),
                                    f_.platform.clock.timeOfDay()));
    try {
        load();
    } catch (const Failure& e) {
        // The player keeps the name it refused; play reports it and moves on.
        if (e.number() >= 0) throw;
    }
    f_.transport.play();
}

} // namespace xj
