#pragma once

#include "desktop/window_sync.h"

#include <QWidget>
#include <functional>

class QLabel;

namespace xj {

class Form2;
class FrontEnd;
class VideoView;

// The player window: the background picture with the video view over it. It mirrors whichever
// player window the model has, and hides while there is none; closing it unloads that window.
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

private:
    void videoPressed(int button, int shift, int x, int y);
    void reportGeometry();

    Form2& form_;
    FrontEnd& front_;
    QWidget* backdrop_;
    VideoView* video_ = nullptr;
    QLabel* speedBadge_;
    unsigned long shown_ = 0; // which player window: its first timer's serial
    unsigned focusSeen_ = 0;
    Placement placement_;
};

} // namespace xj
