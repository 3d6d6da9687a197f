#include "panel/cls_volume.h"

namespace xj {

void clsVolume::meOpenMixer() {
    mixerErr_ = device_.open();
    if (mixerErr_ != 0) {
        messages_.show(QStringLiteral("Could not open the mixer."),
                       QStringLiteral("Volume Control"), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    opened_ = true;
    // The stored volumes start where the card is, so the first step up or down starts from
    // what the user hears rather than from silence.
    MixerControl control;
    if (meFindControl(MixerLine::Speakers, control)) {
        speakerMax_ = control.maximum;
        speakerMin_ = control.minimum;
        speakerVolume_ = control.value;
    }
    control = {};
    if (meFindControl(MixerLine::Microphone, control)) {
        micMax_ = control.maximum;
        micMin_ = control.minimum;
        micVolume_ = control.value;
    }
}

void clsVolume::prSpeakerVolume(qint32 vData) {
    speakerVolume_ = vData;
    meSetControlValue(MixerLine::Speakers, vData);
}

void clsVolume::prMicVolume(qint32 vData) {
    micVolume_ = vData;
    meSetControlValue(MixerLine::Microphone, vData);
}

bool clsVolume::meFindControl(MixerLine line, MixerControl& control) {
    if (!opened_) return false;
    const std::optional<MixerControl> found = device_.findControl(line);
    if (!found) return false;
    control = *found;
    return true;
}

bool clsVolume::meSetControlValue(MixerLine line, qint32 value) {
    // Writes to a mixer that never opened go nowhere.
    return opened_ && device_.setControlValue(line, value);
}

} // namespace xj
