#pragma once

#include "ports/platform.h"

#include <future>
#include <memory>

// ALSA's own opaque types (snd_mixer_t, snd_mixer_elem_t), so its header stays out of ours.
struct _snd_mixer;      // NOLINT(bugprone-reserved-identifier)
struct _snd_mixer_elem; // NOLINT(bugprone-reserved-identifier)

namespace xj {

// The default card's simple mixer (on a desktop with a sound server, the server's own volume).
// The speakers are the "Master" playback volume, else "PCM", else the first playback volume;
// the microphone is the "Capture" volume, else the first capture volume. Whatever the
// element's own range, volumes are given on 0..65535 and mapped back on write.
class AlsaMixer : public MixerDevice {
public:
    static constexpr qint32 Scale = 65535;

    explicit AlsaMixer(const char* card = "default") : card_(card) {}

    // Starts opening the card on a thread of its own: through a sound server the mixer is one
    // of its clients, and connecting takes a moment that building the windows can hide. The
    // next open() takes what it found.
    void openAhead();
    int open() override;
    std::optional<MixerControl> findControl(MixerLine line) override;
    bool setControlValue(MixerLine line, qint32 value) override;

private:
    struct Closer {
        void operator()(_snd_mixer* handle) const;
    };
    struct Opened {
        int error = 0;
        std::unique_ptr<_snd_mixer, Closer> handle;
        _snd_mixer_elem* speakers = nullptr; // owned by the handle
        _snd_mixer_elem* microphone = nullptr;
    };
    static Opened openCard(const char* card);
    _snd_mixer_elem* element(MixerLine line) const;

    const char* card_;
    std::future<Opened> ahead_;
    std::unique_ptr<_snd_mixer, Closer> handle_;
    _snd_mixer_elem* speakers_ = nullptr; // owned by the handle
    _snd_mixer_elem* microphone_ = nullptr;
};

} // namespace xj
