#pragma once

#include "form/control.h"
#include "form/timer.h"
#include "form/window.h"
#include "player/full_screen.h"
#include "player/media_player.h"
#include "player/speed_badge.h"

namespace xj {

class Form2;

// The player window: the media player control over a background picture, the focus-return
// timer and the fit check. It is created hidden the first time anything touches it.
class Form1 : public Window {
public:
    static constexpr int AudioControlHeight = 720;
    static constexpr int InfoControlHeight = 1860;

    Form1(Form2& panel, MediaEngine& engine);

    MediaPlayer MediaPlayer1;
    Image Image1{"Image1", 0, 0, 5790, 5205};
    Timer Timer1{"Timer1", 3000, false}; // focus return
    Timer Timer2{"Timer2", 1000, true};  // fit check
    SpeedBadge speedBadge;

    // The title-bar allowance: window height minus control height.
    int frameHeight() const;
    // The audio strip's height: control 720 plus the frame.
    int audioHeight() const;

    void Form_Load();
    void Form_Resize() override;
    void Timer1_Timer();
    void Timer2_Timer();
    // The engine knows the duration: the panel's time label gets the total length.
    void MediaPlayer1_DurationKnown();
    // A mouse press on the picture.
    void MediaPlayer1_MouseDown(int button, int shift, int x, int y);
    // A double click on the picture, and the F key: full screen on or off (video only).
    void MediaPlayer1_DblClick();
    // A key pressed in the player window: Space pauses or plays, the arrows seek, F and Esc
    // enter and leave full screen.
    void Form_KeyDown(int keyCode);
    // The control's bar and the arrow keys move playback here; not before the start.
    void seekTo(double seconds);
    bool FullScreen() const { return fullScreen_.on(); }

    std::vector<Timer*> timers() { return {&Timer1, &Timer2, &speedBadge.timer}; }

    // Makes the window visible, as the operations that play do: only while it is enabled.
    void showIfEnabled();

private:
    Form2& panel_;
    FullScreenMode fullScreen_{*this};
};

// The panel's total-length tooltip for a duration in seconds, and the seconds part alone.
struct TotalLength {
    QString tip;
    QString tag;
};
TotalLength totalLength(double durationSeconds);

} // namespace xj
