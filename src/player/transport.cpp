#include "player/transport.h"

#include "core/form2.h"
#include "form/failure.h"
#include "form/message_text.h"
#include "player/form1.h"

namespace xj {

void Transport::untickSlideshow() {
    f_.MNUHUANDENG.Checked = false;
    f_.MNUFANGHUANDENGMAN.Checked = false;
}

void Transport::play() {
    try {
        Form1& p = f_.form1();
        p.MediaPlayer1.Play();
        f_.Command12.Enabled = true;
        f_.Command14.Enabled = true;
        p.Timer1.setEnabled(true);
        untickSlideshow();
        f_.Timer2.setInterval(1000);
    } catch (const Failure& e) {
        if (e.number() >= 0) return;
        const QString entry = f_.List1.List(f_.listbian);
        // The message comes first; the next entry only after it is closed. Once an entry has
        // been reported, the flashing title is enough.
        if (f_.playFailures.reportFirst(entry))
            f_.platform.messages.show(
                QString::fromUtf8("从该媒体指向的路径--(") + quotedInMessage(entry) +
                    QString::fromUtf8(")无法找到文件或该文件不是合法的多媒体，"
                                      "故无法播放请播放下一首."),
                QString::fromUtf8("星鲸声海"), MsgButtons::Ok, MsgIcon::None);
        // Where nothing in the list plays, stop instead of going round it for ever.
        if (f_.playFailures.allFailed(f_.List1))
            f_.playFailures.halt();
        else
            f_.navigation.next();
        f_.sans = true;
        // Next leaves the status timer off; without it the list would stop playing on.
        f_.Timer1.setEnabled(true);
    }
}

void Transport::pause() {
    f_.form1().MediaPlayer1.Pause();
    f_.Command14.Enabled = false;
    untickSlideshow();
}

void Transport::stop() {
    MediaPlayer& mp = f_.form1().MediaPlayer1;
    mp.Stop();
    f_.Command12.Enabled = false;
    // Not 0: the status timer takes exactly 0 as the end of the entry.
    mp.setCurrentPosition(0.05);
    untickSlideshow();
    // A file that failed to open reads 0 whatever is written: stop ends a run of skips too.
    f_.playFailures.halt();
}

void Transport::menuPlay() {
    if (f_.Command13.Enabled)
        play();
    else
        f_.playEntry.playSelected();
}

void Transport::menuPause() {
    if (f_.Command12.Enabled) pause();
}

void Transport::stepForward() {
    MediaPlayer& mp = f_.form1().MediaPlayer1;
    mp.setCurrentPosition(mp.CurrentPosition() + PositionStep);
}

void Transport::stepBack() {
    MediaPlayer& mp = f_.form1().MediaPlayer1;
    const double at = mp.CurrentPosition();
    mp.setCurrentPosition(at > PositionStep ? at - PositionStep : 0);
}

} // namespace xj
