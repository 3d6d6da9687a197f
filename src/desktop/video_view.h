#pragma once

#include <QWidget>

namespace xj {

class MpvEngine;

// The player window's picture: the engine's video, black when nothing is shown. The engine
// renders into one view at a time; either of the two may be destroyed first.
class VideoView : public QWidget {
    Q_OBJECT
public:
    // True when frames are drawn with OpenGL, false for the software renderer.
    virtual bool usesOpenGL() const = 0;
    // Keeps a widget laid over the picture (a sibling raised above the view) visible: a
    // picture drawn by a native window of its own would otherwise cover it.
    virtual void keepAbove(QWidget* overlay) { (void)overlay; }

signals:
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt (or-ed); x and y in
    // twips from the view's top left corner.
    void mousePressed(int button, int shift, int x, int y);

protected:
    explicit VideoView(QWidget* parent);
    void mousePressEvent(QMouseEvent* event) override;
};

// OpenGL where the platform has it; the software renderer otherwise (the offscreen platform).
// Under a display the choice, and the loading of OpenGL, wait until the picture is first seen
// or a file with video opens, so sound alone starts without them.
// The engine must have been made with the "libmpv" video output, and a file shows video only
// if it is opened after the view.
VideoView* createVideoView(MpvEngine& engine, QWidget* parent = nullptr);

} // namespace xj
