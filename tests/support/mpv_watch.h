#pragma once

#include <mpv/client.h>

namespace xj::test {

// A second client of an engine's mpv core: it sees mpv's own events and properties without
// taking the engine's.
class MpvWatch {
public:
    explicit MpvWatch(mpv_handle* core) : client_(mpv_create_client(core, "watch")) {}
    ~MpvWatch() { mpv_destroy(client_); }
    MpvWatch(const MpvWatch&) = delete;
    MpvWatch& operator=(const MpvWatch&) = delete;

    // Takes the events that have come; true when a restart of playback was among them.
    bool restarted() {
        const int before = restarts;
        for (;;) {
            const mpv_event* event = mpv_wait_event(client_, 0);
            if (event->event_id == MPV_EVENT_NONE) return restarts > before;
            if (event->event_id == MPV_EVENT_SEEK) ++seeks;
            if (event->event_id == MPV_EVENT_PLAYBACK_RESTART) ++restarts;
        }
    }
    double number(const char* property) {
        double value = -1;
        mpv_get_property(client_, property, MPV_FORMAT_DOUBLE, &value);
        return value;
    }
    bool flag(const char* property) {
        int value = 0;
        return mpv_get_property(client_, property, MPV_FORMAT_FLAG, &value) >= 0 && value;
    }
    mpv_handle* client() const { return client_; }

    // Seeks mpv began and restarts of playback, as taken so far: a seek that mpv began and
    // that another replaced before it had finished has no restart.
    int seeks = 0;
    int restarts = 0;

private:
    mpv_handle* client_;
};

} // namespace xj::test
