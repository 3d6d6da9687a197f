#pragma once

#include "form/window.h"

#include <QSize>
#include <Qt>

class QWidget;

namespace xj {

class FrontEnd;

Qt::WindowStates qtWindowState(WindowState state);
WindowState modelWindowState(Qt::WindowStates states);

// Brings a top-level widget up to date with its model window: title, enabled state, frame
// position and (for a normal window) `size`, window state, focus requests, then visibility.
// `focusSeen` remembers the requests already carried out.
void mirrorWindow(QWidget* widget, const Window& window, QSize size, unsigned& focusSeen);

// Tells the model what the window system did to the window: its client area is now `client`,
// whose outer size `outer` gives in twips. Nothing is reported when the pixels still match
// the model, so its exact twips survive.
void reportWindowSize(FrontEnd& front, Window& window, QWidget* widget, QSize client,
                      QSize modelClient, QSize outer);
void reportWindowMove(FrontEnd& front, Window& window, QWidget* widget);

} // namespace xj
