#include "panel/slideshow.h"

#include "core/form2.h"
#include "form/events.h"
#include "player/form1.h"

#include <cmath>

namespace xj {

namespace {

QString twoDigits(long long n) {
    return n < 10 ? "0" + QString::number(n) : QString::number(n);
}

} // namespace

void Slideshow::fastCommand() {
    f_.MNUHUANDENG.Checked = !f_.MNUHUANDENG.Checked;
    // Switched by the interval, not by the tick mark: a stale interval turns it the other way.
    f_.Timer2.setInterval(f_.Timer2.Interval() == FastInterval ? PlainInterval : FastInterval);
    f_.MNUFANGHUANDENGMAN.Checked = false;
}

void Slideshow::slowCommand() {
    f_.MNUFANGHUANDENGMAN.Checked = !f_.MNUFANGHUANDENGMAN.Checked;
    f_.Timer2.setInterval(f_.Timer2.Interval() == SlowInterval ? PlainInterval : SlowInterval);
    f_.MNUHUANDENG.Checked = false;
}

void Slideshow::tick() {
    for (const Menu* item : {&f_.MNUHUANDENG, &f_.MNUFANGHUANDENGMAN}) {
        if (!item->Checked) continue;
        // As a click on the next button: its failure stays inside it.
        runHandler([this] { f_.Command25_Click(); });
        f_.Timer1.setEnabled(true);
    }
    showTime();
    placeBackground();
}

void Slideshow::showTime() {
    if (f_.shijianmos) {
        f_.Label1.Caption = f_.platform.clock.timeOfDay();
        return;
    }
    long long t = static_cast<long long>(std::floor(f_.form1().MediaPlayer1.CurrentPosition()));
    if (t == -1) t = 0;
    const long long m = t / 60;
    const long long s = t - 60 * m;
    f_.Label1.Tag = twoDigits(s);
    f_.Label1.Caption = twoDigits(m) + ":" + f_.Label1.Tag;
}

void Slideshow::placeBackground() {
    Form1& player = f_.form1();
    Image& picture = player.Image1;
    const double p = player.MediaPlayer1.CurrentPosition();
    if (p < 0.5 && !f_.MNUHUANDENG.Checked && !f_.MNUFANGHUANDENGMAN.Checked) {
        picture.Visible = true;
        if (picture.Top == ParkedTop) picture.Top = 0;
    } else {
        picture.Visible = false;
        picture.Top = ParkedTop;
    }
    if (f_.List1.ListCount() < 2) picture.Visible = true;
}

} // namespace xj
