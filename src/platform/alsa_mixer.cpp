#include "platform/alsa_mixer.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cmath>

namespace xj {

namespace {

using HasVolume = int (*)(snd_mixer_elem_t*);

snd_mixer_elem_t* findElement(snd_mixer_t* mixer, std::initializer_list<const char*> names,
                              HasVolume hasVolume) {
    for (const char* wanted : names)
        for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer); e; e = snd_mixer_elem_next(e))
            if (snd_mixer_selem_is_active(e) && hasVolume(e) &&
                qstrcmp(snd_mixer_selem_get_name(e), wanted) == 0)
                return e;
    for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer); e; e = snd_mixer_elem_next(e))
        if (snd_mixer_selem_is_active(e) && hasVolume(e)) return e;
    return nullptr;
}

struct Access {
    int (*range)(snd_mixer_elem_t*, long*, long*);
    int (*get)(snd_mixer_elem_t*, snd_mixer_selem_channel_id_t, long*);
    int (*hasChannel)(snd_mixer_elem_t*, snd_mixer_selem_channel_id_t);
    int (*setAll)(snd_mixer_elem_t*, long);
};

Access access(MixerLine line) {
    if (line == MixerLine::Speakers)
        return {snd_mixer_selem_get_playback_volume_range, snd_mixer_selem_get_playback_volume,
                snd_mixer_selem_has_playback_channel, snd_mixer_selem_set_playback_volume_all};
    return {snd_mixer_selem_get_capture_volume_range, snd_mixer_selem_get_capture_volume,
            snd_mixer_selem_has_capture_channel, snd_mixer_selem_set_capture_volume_all};
}

qint32 toScale(long v, long min, long max) {
    return static_cast<qint32>(std::lround(double(v - min) * AlsaMixer::Scale / double(max - min)));
}

long fromScale(qint32 v, long min, long max) {
    return min + std::lround(double(v) * double(max - min) / AlsaMixer::Scale);
}

} // namespace

void AlsaMixer::Closer::operator()(snd_mixer_t* handle) const {
    snd_mixer_close(handle);
}

AlsaMixer::Opened AlsaMixer::openCard(const char* card) {
    Opened opened;
    snd_mixer_t* raw = nullptr;
    if ((opened.error = snd_mixer_open(&raw, 0)) < 0) return opened;
    std::unique_ptr<snd_mixer_t, Closer> mixer(raw);
    if ((opened.error = snd_mixer_attach(raw, card)) < 0) return opened;
    if ((opened.error = snd_mixer_selem_register(raw, nullptr, nullptr)) < 0) return opened;
    if ((opened.error = snd_mixer_load(raw)) < 0) return opened;
    opened.speakers = findElement(raw, {"Master", "PCM"}, snd_mixer_selem_has_playback_volume);
    opened.microphone = findElement(raw, {"Capture"}, snd_mixer_selem_has_capture_volume);
    opened.handle = std::move(mixer);
    return opened;
}

void AlsaMixer::openAhead() {
    if (!ahead_.valid()) ahead_ = std::async(std::launch::async, &AlsaMixer::openCard, card_);
}

int AlsaMixer::open() {
    Opened opened = ahead_.valid() ? ahead_.get() : openCard(card_);
    if (opened.error < 0) return opened.error;
    handle_ = std::move(opened.handle);
    speakers_ = opened.speakers;
    microphone_ = opened.microphone;
    return 0;
}

snd_mixer_elem_t* AlsaMixer::element(MixerLine line) const {
    if (!handle_) return nullptr;
    return line == MixerLine::Speakers ? speakers_ : microphone_;
}

std::optional<MixerControl> AlsaMixer::findControl(MixerLine line) {
    snd_mixer_elem_t* e = element(line);
    if (!e) return std::nullopt;
    const Access a = access(line);
    long min = 0, max = 0;
    if (a.range(e, &min, &max) < 0 || max <= min) return std::nullopt;
    // The loudest channel stands for the control, as a desktop's volume does.
    long loudest = min;
    for (int c = 0; c <= SND_MIXER_SCHN_LAST; ++c) {
        const auto channel = static_cast<snd_mixer_selem_channel_id_t>(c);
        long v = 0;
        if (a.hasChannel(e, channel) && a.get(e, channel, &v) >= 0) loudest = std::max(loudest, v);
    }
    return MixerControl{0, Scale, toScale(loudest, min, max)};
}

bool AlsaMixer::setControlValue(MixerLine line, qint32 value) {
    snd_mixer_elem_t* e = element(line);
    if (!e) return false;
    const Access a = access(line);
    long min = 0, max = 0;
    if (a.range(e, &min, &max) < 0 || max <= min) return false;
    return a.setAll(e, fromScale(std::clamp(value, 0, Scale), min, max)) >= 0;
}

} // namespace xj
