#pragma once

#include <QtGlobal>

namespace xj {

class Form2;

// The speaker volume as the panel steers it: the slider (its value is half the volume), the
// louder and softer menu items (a tenth of the maximum) and the list's = and - keys (a
// two-hundredth). The slider shows the stored volume whoever changed it.
class SpeakerVolume {
public:
    explicit SpeakerVolume(Form2& f) : f_(f) {}

    // At load: the mixer opens and the slider shows where the card is.
    void open();
    void louder();
    void softer();
    void keyLouder();
    void keySofter();
    void sliderMoved();
    // From elsewhere, as a share of the maximum (0 to 1).
    void setFraction(double share);

private:
    void up(qint32 step);
    void down(qint32 step);
    void set(qint32 volume);
    void showOnSlider();
    Form2& f_;
};

} // namespace xj
