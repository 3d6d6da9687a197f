#pragma once

#include "ports/platform.h"

#include <QtGlobal>

namespace xj {

// The sound card's mixer: the volume controls of the speakers and of the microphone, their
// bounds, and the last volume written to each. Opened once at start and never closed.
class clsVolume {
public:
    clsVolume(MixerDevice& device, MessageBoxes& messages) : device_(device), messages_(messages) {}

    void meOpenMixer();

    qint32 prMixerErr() const { return mixerErr_; }
    qint32 prSpeakerMinVolume() const { return speakerMin_; }
    qint32 prSpeakerMaxVolume() const { return speakerMax_; }
    qint32 prSpeakerVolume() const { return speakerVolume_; }
    // Stores the volume, then writes it; a failed write is ignored.
    void prSpeakerVolume(qint32 vData);
    qint32 prMicMinVolume() const { return micMin_; }
    qint32 prMicMaxVolume() const { return micMax_; }
    qint32 prMicVolume() const { return micVolume_; }
    void prMicVolume(qint32 vData);

private:
    bool meFindControl(MixerLine line, MixerControl& control);
    bool meSetControlValue(MixerLine line, qint32 value);

    MixerDevice& device_;
    MessageBoxes& messages_;
    bool opened_ = false;
    qint32 mixerErr_ = 0;
    qint32 speakerVolume_ = 0;
    qint32 speakerMin_ = 0;
    qint32 speakerMax_ = 0;
    qint32 micVolume_ = 0;
    qint32 micMin_ = 0;
    qint32 micMax_ = 0;
};

} // namespace xj
