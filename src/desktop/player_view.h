#pragma once

#include "desktop/window_sync.h"

#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

namespace xj {

class ControlBar;
class DetailsPane;
class Form1;
class Form2;
class FrontEnd;
class VideoView;

// The player window: the background picture with the media player control over it, which is
// the video view, the information display and the control's bar. It mirrors whichever player
// window the model has, and hides while there is none; closing it unloads that window. Keys
// pressed in it go to the player window's key handler.
class PlayerView : public QWidget {
    Q_OBJECT
public:
    using VideoFactory = std::function<VideoView*(QWidget* parent)>;

    PlayerView(Form2& form, FrontEnd& front, const VideoFactory& video);

    void mirror();
    VideoView* video() const { return video_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Files dropped anywhere on the window are dropped on the media player control.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void videoPressed(int button, int shift, int x, int y);
    void reportGeometry();
    // The control's parts, as the control reads now.
    void mirrorControlArea(Form1& player);

    Form2& form_;
    FrontEnd& front_;
    QWidget* backdrop_;
    QWidget* control_;
    VideoView* video_ = nullptr;
    DetailsPane* pane_;
    ControlBar* bar_;
    // Playback moves on between the model's events: the bar and the display follow it.
    QTimer* refresh_;
    QLabel* speedBadge_;
    unsigned long shown_ = 0; // which player window: its first timer's serial
    unsigned focusSeen_ = 0;
    Placement placement_;
};

} // namespace xj
