#pragma once

#include "form/window.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

class QWidget;

namespace xj {

class FrontEnd;

Qt::WindowStates qtWindowState(WindowState state);
WindowState modelWindowState(Qt::WindowStates states);

// Where the view put a window's frame, and for which model geometry. The model keeps its
// twips; the view keeps the frame on the screen. It places the window again only when the
// model moved or resized it or the frame turned out another size, so a window still at
// `placed` has not been moved by the user.
struct Placement {
    QRect model; // the model's Left, Top, Width, Height when placed
    QSize frame; // the frame's size it was placed with, in pixels
    QPoint placed;
    bool valid = false;

    // How far the view moved the frame from the model's place.
    QPoint shift() const;
};

// Brings a top-level widget up to date with its model window: title, enabled state, frame
// position and (for a normal window) `size`, window state, focus requests, then visibility.
// `focusSeen` remembers the requests already carried out. The frame goes to the model's place
// moved by `follow`, kept inside the screen's available area.
void mirrorWindow(QWidget* widget, const Window& window, QSize size, unsigned& focusSeen,
                  Placement& placement, QPoint follow = {});

// Tells the model what the window system did to the window: its client area is now `client`,
// whose outer size `outer` gives in twips. Nothing is reported when the pixels still match
// the model, so its exact twips survive.
void reportWindowSize(FrontEnd& front, Window& window, QWidget* widget, QSize client,
                      QSize modelClient, QSize outer);
// Tells the model the window is somewhere else than the view put it.
void reportWindowMove(FrontEnd& front, Window& window, QWidget* widget, Placement& placement);

} // namespace xj
