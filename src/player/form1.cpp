#include "player/form1.h"

#include "core/form2.h"
#include "form/failure.h"
#include "form/vb_text.h"

#include <algorithm>
#include <cmath>

namespace xj {

namespace {
constexpr int DesignControlWidth = 5790;
constexpr int DesignControlHeight = 5205;
constexpr int FrameWidth = 120;
} // namespace

Form1::Form1(Form2& panel, MediaEngine& engine)
    : Window("Form1"),
      MediaPlayer1(engine, panel.playFailures, DesignControlWidth, DesignControlHeight),
      panel_(panel) {
    Caption = QString::fromUtf8("星鲸超级声海");
    Left = 0;
    Top = 1200;
    setDesignSize(DesignControlWidth + FrameWidth, DesignControlHeight + 375);
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    MediaPlayer1.bind(
        {.onDblClick = [this] { MediaPlayer1_DblClick(); },
         .onMouseDown = [this](int button, int shift, int x,
                               int y) { MediaPlayer1_MouseDown(button, shift, x, y); },
         .onDrop = [this](const QStringList& paths) { panel_.droppedFiles.dropOnPlayer(paths); }});
}

int Form1::frameHeight() const {
    return panel_.mnuyouxp.Checked ? 490 : 375;
}

int Form1::audioHeight() const {
    return AudioControlHeight + frameHeight();
}

void Form1::Form_Load() {
    setLoaded(true);
    Left = panel_.Left;
    panel_.Command12.Enabled = false;
    panel_.Command13.Enabled = false;
    panel_.Command14.Enabled = false;
    setHeight(MediaPlayer1.Height);
    Image1.Height = Height();
    Image1.Width = MediaPlayer1.Width;
}

void Form1::Form_Resize() {
    fullScreen_.windowResized();
    if (windowState() == WindowState::Normal) {
        MediaPlayer1.Width = Width();
        if (MediaPlayer1.isAudio()) {
            MediaPlayer1.Height =
                panel_.MNUMIANBAN.Checked ? InfoControlHeight : AudioControlHeight;
            setHeight(MediaPlayer1.Height + frameHeight());
            setWidth(panel_.Width());
        } else {
            MediaPlayer1.Height = Height() - frameHeight();
        }
    }
    Image1.Height = Height();
    Image1.Width = Width();
}

void Form1::Timer2_Timer() {
    if (windowState() == WindowState::Normal) {
        if (MediaPlayer1.Width != Width()) {
            MediaPlayer1.Width = Width();
            MediaPlayer1.Height = Height() - frameHeight();
        }
    } else if (windowState() == WindowState::Maximized) {
        if (MediaPlayer1.isAudio()) {
            setWindowState(WindowState::Normal);
        } else {
            MediaPlayer1.Width = Width();
            MediaPlayer1.Height = Height() - frameHeight();
        }
    }
}

void Form1::Timer1_Timer() {
    try {
        if (panel_.windowState() == WindowState::Normal && Height() < 1800) panel_.SetFocus();
        Timer1.setEnabled(false);
    } catch (const Failure& e) {
        // An invalid call will not get better; anything else tries again next tick.
        if (e.number() == err::InvalidCall) Timer1.setEnabled(false);
    }
}

TotalLength totalLength(double durationSeconds) {
    long long total = static_cast<long long>(std::trunc(durationSeconds));
    if (total == -1) total = 0;
    const long long m = total / 60;
    const long long s = total - 60 * m;
    TotalLength out;
    out.tag = s >= 10 ? signedText(s) : "0" + signedText(s);
    if (m < 10 && s < 10) {
        out.tip = QString::fromUtf8("总长： 0") + signedText(m) + ":0" + signedText(s);
    } else {
        QString minutes = m < 10 ? "0" + signedText(m) + ":" : signedText(m) + ":";
        out.tip = QString::fromUtf8("总长 ") + minutes + out.tag;
    }
    return out;
}

void Form1::MediaPlayer1_DurationKnown() {
    const TotalLength length = totalLength(MediaPlayer1.Duration());
    panel_.Label1.Tag = length.tag;
    panel_.Label1.ToolTipText = length.tip;
}

void Form1::MediaPlayer1_MouseDown(int, int, int, int) {
    panel_.MNUHUANDENG.Checked = false;
    panel_.MNUFANGHUANDENGMAN.Checked = false;
}

void Form1::MediaPlayer1_DblClick() {
    if (fullScreen_.on())
        fullScreen_.leave();
    else if (!MediaPlayer1.isAudio())
        fullScreen_.enter();
}

void Form1::Form_KeyDown(int keyCode) {
    constexpr double SeekStep = 5;
    switch (keyCode) {
    case 32: // Space
        // Pause leaves the pause button enabled, so what plays is the engine's to say.
        if (MediaPlayer1.State() == PlaybackState::Playing)
            panel_.MNUZAN.Click();
        else
            panel_.MNUBOFANG.Click();
        break;
    case 37: // Left
        seekTo(MediaPlayer1.CurrentPosition() - SeekStep);
        break;
    case 39: // Right
        seekTo(MediaPlayer1.CurrentPosition() + SeekStep);
        break;
    case 70: // F
        MediaPlayer1_DblClick();
        break;
    case 27: // Esc
        fullScreen_.leave();
        break;
    default:
        break;
    }
}

void Form1::seekTo(double seconds) {
    // Nothing to seek in: no media, a length not known yet, or a picture.
    if (!(MediaPlayer1.Duration() > 0)) return;
    // Exactly 0 reads as the end of the entry; a stopped one waits at 0.05 as well.
    MediaPlayer1.setCurrentPosition(std::max(seconds, 0.05));
}

void Form1::showIfEnabled() {
    if (Enabled) Show();
}

} // namespace xj
