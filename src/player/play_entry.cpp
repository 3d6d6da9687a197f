#include "player/play_entry.h"

#include "core/form2.h"
#include "form/failure.h"
#include "player/form1.h"

namespace xj {

void PlayEntry::play() {
    f_.Timer1.setEnabled(false);
    Form1& p = f_.form1();
    p.showIfEnabled();
    MediaPlayer& mp = p.MediaPlayer1;
    mp.setFileName(f_.List1.List(f_.List1.ListIndex()));
    mp.Play();
    f_.listbian = static_cast<qint16>(f_.List1.ListIndex());
    f_.Label4.Caption = QString::number(f_.listbian + 1);
    mp.Width = f_.Width();
    p.Timer1.setEnabled(true);
    if (p.windowState() == WindowState::Normal) {
        mp.Width = p.Width();
        if (mp.isAudio()) {
            mp.Height = Form1::AudioControlHeight;
            // The top comes from the height the window has before it is changed.
            p.Top = f_.Top - p.Height();
            p.Left = f_.Left;
            p.setHeight(p.audioHeight());
            p.setWidth(f_.Width());
        } else {
            if (p.Height() < 1800) p.setHeight(5000);
            mp.Height = p.Height() - p.frameHeight();
            if (p.Top <= 0) p.Top = 100;
        }
    }
    for (Control* c : std::initializer_list<Control*>{&f_.Command12, &f_.Command13, &f_.Command14,
                                                      &f_.Command24, &f_.Command25})
        c->Enabled = true;
    f_.MNUHUANDENG.Enabled = true;
    f_.MNUFANGHUANDENGMAN.Enabled = true;
    f_.Timer1.setEnabled(true);
}

void PlayEntry::playHighlighted() {
    if (f_.windowModes.menuBarShown()) {
        playSelected();
    } else {
        f_.windowModes.toggleMenuBar();
        f_.transport.menuPlay();
    }
}

void PlayEntry::playSelected() {
    try {
        play();
    } catch (const Failure& e) {
        if (e.number() >= 0) return;
        const QString entry = f_.List1.List(f_.List1.ListIndex());
        f_.form1().MediaPlayer1.setCurrentPosition(0);
        // Where nothing in the list plays, stop instead of going round it for ever.
        if (f_.playFailures.allFailed(f_.List1))
            f_.playFailures.halt();
        else
            f_.navigation.next();
        f_.sans = true;
        f_.Timer1.setEnabled(true);
        // Once an entry has been reported, the flashing title is enough.
        if (!f_.playFailures.reportFirst(entry)) return;
        f_.platform.messages.show(
            QString::fromUtf8("从该媒体指向的路径无法找到文件或该文件不是合法的多媒体，故无法播放,"
                              "请删除。现播放下一首."),
            QString::fromUtf8("星鲸声海"), MsgButtons::Ok, MsgIcon::None);
    }
}

} // namespace xj
