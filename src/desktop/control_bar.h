#pragma once

#include <QWidget>

class QLabel;
class QSlider;

namespace xj {

class Form1;
class Form2;
class FrontEnd;

// The control's own bar along its bottom: the entry's title and, when it is not normal, the
// speed, over a position slider between the elapsed and the total time. It shows what the
// control reads; a click or drag on the slider, or a value set through the accessibility
// bus, seeks through the player window.
class ControlBar : public QWidget {
public:
    ControlBar(Form2& form, FrontEnd& front, QWidget* parent);

    void mirror(Form1& player);

private:
    void seek(int seconds);

    Form2& form_;
    FrontEnd& front_;
    QLabel* title_;
    QLabel* speed_;
    QLabel* elapsed_;
    QLabel* total_;
    QSlider* slider_;
    bool mirroring_ = false;
};

} // namespace xj
