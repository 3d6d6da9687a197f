#pragma once

#include <QLabel>

class QWidget;

namespace xj {

class Control;
class FrontEnd;

// A label that reports a click: press and release on it with the left button.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// Builds the widget for a control of the window named `windowName` (buttons, labels, list,
// combo, drive, folder and file boxes, scroll bars; a plain widget for the rest) and forwards
// its events to the slots its window bound on the control.
QWidget* createControlWidget(Control& control, const QString& windowName, FrontEnd& front,
                             QWidget* parent);

// Brings a control's widget up to date with the control: geometry, visibility, enabled state,
// texts, colours, accessible names.
void mirrorControl(const Control& control, QWidget* widget);

} // namespace xj
