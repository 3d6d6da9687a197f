#include "player/status_timer.h"

#include "core/form2.h"
#include "player/form1.h"

namespace xj {

void StatusTimer::fitPlayer() {
    Form1& p = f_.form1();
    MediaPlayer& mp = p.MediaPlayer1;
    if (p.windowState() == WindowState::Maximized) {
        mp.Height = p.Height();
        mp.Width = p.Width();
    } else if (p.windowState() == WindowState::Normal) {
        mp.Width = p.Width();
        if (mp.isAudio()) {
            mp.Height = Form1::AudioControlHeight;
            p.setWidth(f_.Width());
            p.setHeight(p.audioHeight());
        } else {
            if (p.Height() < 2000) p.setHeight(5000);
            mp.Height = p.Height() - p.frameHeight();
        }
    }
}

void StatusTimer::tick() {
    const int cur = f_.List1.ListIndex();
    if (isTrue(f_.sans)) {
        f_.platform.flash.flash(f_, true);
        if (!f_.MNUSANSHUO.Checked) f_.MNUSANSHUO.Checked = true;
        f_.Command12.Enabled = false;
    }
    f_.form1().MediaPlayer1.setSwitch1018(true);
    // Exactly 0 is the end of the entry; a stopped entry waits at 0.05, and after a stop or a
    // list where nothing would play, nothing moves on until something starts again.
    if (f_.form1().MediaPlayer1.CurrentPosition() == 0 && !f_.playFailures.halted()) {
        // A message box inside the advance lets the user close the player window: fetch it
        // again afterwards.
        f_.navigation.advanceAtEnd();
        f_.form1().MediaPlayer1.Width = f_.Width();
        fitPlayer();
        f_.List1.setSelected(cur, false);
        f_.List1.setSelected(f_.listbian, true);
        f_.listEditing.showCount();
    }
    Form1& p = f_.form1();
    if (p.windowState() == WindowState::Normal && p.MediaPlayer1.isAudio()) {
        p.setWidth(f_.Width());
        p.Top = f_.Top - p.Height();
        p.Left = f_.Left;
    }
    f_.Label4.Caption = QString::number(f_.listbian + 1);
    f_.Caption = f_.List1.List(f_.listbian);
}

} // namespace xj
