#include "panel/speaker_volume.h"

#include "core/form2.h"

#include <algorithm>

namespace xj {

namespace {
constexpr int MenuSteps = 10;
constexpr int KeySteps = 200;
} // namespace

void SpeakerVolume::open() {
    f_.mixer.meOpenMixer();
    showOnSlider();
}

void SpeakerVolume::showOnSlider() {
    HScrollBar& bar = f_.HScroll1;
    bar.Value = std::clamp(f_.mixer.prSpeakerVolume() / 2, bar.Min, bar.Max);
}

void SpeakerVolume::set(qint32 volume) {
    f_.mixer.prSpeakerVolume(volume);
    showOnSlider();
}

void SpeakerVolume::up(qint32 step) {
    const qint64 raised = qint64(f_.mixer.prSpeakerVolume()) + step;
    const qint32 max = f_.mixer.prSpeakerMaxVolume();
    set(raised > max ? max : static_cast<qint32>(raised));
}

void SpeakerVolume::down(qint32 step) {
    const qint32 now = f_.mixer.prSpeakerVolume();
    set(now < step ? f_.mixer.prSpeakerMinVolume() : now - step);
}

void SpeakerVolume::louder() {
    up(f_.mixer.prSpeakerMaxVolume() / MenuSteps);
}

void SpeakerVolume::softer() {
    down(f_.mixer.prSpeakerMaxVolume() / MenuSteps);
}

void SpeakerVolume::keyLouder() {
    up(f_.mixer.prSpeakerMaxVolume() / KeySteps);
}

void SpeakerVolume::keySofter() {
    down(f_.mixer.prSpeakerMaxVolume() / KeySteps);
}

void SpeakerVolume::setFraction(double share) {
    const qint32 max = f_.mixer.prSpeakerMaxVolume();
    set(std::max(f_.mixer.prSpeakerMinVolume(), qRound(std::clamp(share, 0.0, 1.0) * max)));
}

void SpeakerVolume::sliderMoved() {
    set(f_.HScroll1.Value * 2);
}

} // namespace xj
