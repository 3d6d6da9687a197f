#include "platform/mpv_engine.h"

#include "form/failure.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QObject>

#include <mpv/client.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <utility>

namespace xj {

namespace {

constexpr int kSeekTimeoutMs = 1000;
constexpr uint64_t kDurationObserver = 1;

Failure mpvFailure(int code, const char* what) {
    return Failure(code, std::string(what) + ": " + mpv_error_string(code));
}

bool isUrl(const QString& path) {
    return path.contains(QLatin1String("://"));
}

// mpv reads "-" as standard input and "name:..." as a protocol, so a local name goes in as an
// absolute path. Anything that looks like a URL is passed through.
QByteArray mpvPath(const QString& path) {
    if (isUrl(path)) return path.toUtf8();
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toUtf8();
}

// Opening a pipe or a device can block for as long as nobody writes to it, and a folder would
// be read as a playlist: only regular files (or links to them) are media. A missing file is
// left to mpv, which reports it.
bool notAFile(const QString& path) {
    if (isUrl(path)) return false;
    const QFileInfo info(path); // stat only: nothing is opened
    return info.exists() && !info.isFile();
}

bool flagProperty(mpv_handle* mpv, const char* name) {
    int flag = 0;
    return mpv_get_property(mpv, name, MPV_FORMAT_FLAG, &flag) >= 0 && flag;
}

bool hasProperty(mpv_handle* mpv, const char* name) {
    int64_t value = 0;
    return mpv_get_property(mpv, name, MPV_FORMAT_INT64, &value) >= 0;
}

} // namespace

MpvEngine::MpvEngine(const MpvOptions& options)
    : receiver_(std::make_unique<QObject>()), options_(options) {
    // Qt adopts the environment's locale when the application object is made; mpv refuses to
    // start unless numbers are parsed with '.'.
    std::setlocale(LC_NUMERIC, "C");
    mpv_ = mpv_create();
    if (!mpv_) throw Failure(MPV_ERROR_NOMEM, "mpv_create failed");

    const QByteArray ao = options.audioOutput.toUtf8();
    const QByteArray vo = options.videoOutput.toUtf8();
    const std::pair<const char*, const char*> settings[] = {
        {"config", "no"},
        {"terminal", "no"},
        {"load-scripts", "no"},
        {"ytdl", "no"},
        {"osc", "no"},
        {"osd-level", "0"},
        {"input-default-bindings", "no"},
        {"input-builtin-bindings", "no"},
        {"input-vo-keyboard", "no"},
        {"idle", "yes"},
        {"keep-open", "no"},
        {"image-display-duration", "inf"},
        // Rendering runs on the GUI thread: never block it waiting for a frame's display time.
        {"video-timing-offset", "0"},
        // Decoding is in software, so the GL renderer needs no hardware interop (probing for
        // one only prints noise).
        {"gpu-hwdec-interop", "no"},
        {"ao", ao.constData()},
        {"vo", vo.constData()},
    };
    for (const auto& [name, value] : settings) {
        const int rc = mpv_set_option_string(mpv_, name, value);
        if (rc < 0) {
            mpv_terminate_destroy(mpv_);
            throw mpvFailure(rc, name);
        }
    }
    if (const int rc = mpv_initialize(mpv_); rc < 0) {
        mpv_terminate_destroy(mpv_);
        throw mpvFailure(rc, "mpv_initialize");
    }
    mpv_observe_property(mpv_, kDurationObserver, "duration", MPV_FORMAT_DOUBLE);
    mpv_set_wakeup_callback(mpv_, &MpvEngine::onWakeup, this);
}

MpvEngine::~MpvEngine() {
    // The render context must go before the core.
    if (sink_) sink_->releaseVideo();
    // Returns only once no callback is running, so the receiver can go safely after it.
    mpv_set_wakeup_callback(mpv_, nullptr, nullptr);
    receiver_.reset();
    mpv_terminate_destroy(mpv_);
}

void MpvEngine::onWakeup(void* self) {
    // Called on an mpv thread: hand the work to our own thread, once per burst of events.
    auto* engine = static_cast<MpvEngine*>(self);
    if (engine->drainQueued_.exchange(true)) return;
    QMetaObject::invokeMethod(
        engine->receiver_.get(),
        [engine] {
            engine->drainQueued_ = false;
            engine->drainEvents();
        },
        Qt::QueuedConnection);
}

void MpvEngine::drainEvents() {
    for (;;) {
        mpv_event* event = mpv_wait_event(mpv_, 0);
        if (event->event_id == MPV_EVENT_NONE) return;
        handleEvent(*event);
    }
}

void MpvEngine::pumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        const qint64 left = deadline.remainingTime();
        if (left <= 0) return;
        mpv_event* event = mpv_wait_event(mpv_, static_cast<double>(left) / 1000.0);
        if (event->event_id != MPV_EVENT_NONE) handleEvent(*event);
    }
}

void MpvEngine::handleEvent(const mpv_event& event) {
    switch (event.event_id) {
    case MPV_EVENT_START_FILE:
        startedId_ = static_cast<mpv_event_start_file*>(event.data)->playlist_entry_id;
        break;
    case MPV_EVENT_FILE_LOADED:
        // Carries no entry id; it belongs to the entry started last.
        if (state_ == State::Loading && startedId_ == entryId_) onFileLoaded();
        break;
    case MPV_EVENT_END_FILE: {
        const auto* end = static_cast<mpv_event_end_file*>(event.data);
        if (end->playlist_entry_id != entryId_ || state_ == State::Ended) break;
        // An old file's end arrives after the new one was requested: only ours counts.
        if (state_ == State::Loading) {
            loadError_ = end->error < 0 ? end->error : MPV_ERROR_LOADING_FAILED;
            if (end->reason == MPV_END_FILE_REASON_REDIRECT) {
                // A playlist is not a media file here; don't let mpv go on to its entries.
                loadError_ = MPV_ERROR_UNKNOWN_FORMAT;
                const char* stop[] = {"stop", nullptr};
                mpv_command(mpv_, stop);
            }
        }
        const bool playedOut = state_ == State::Loaded && end->reason == MPV_END_FILE_REASON_EOF;
        state_ = State::Ended;
        picture_ = false;
        pausedSeekTarget_.reset();
        seekPending_ = false;
        setVideo(false);
        if (playedOut) notifyLater([](MediaListener& l) { l.playbackEnded(); });
        break;
    }
    case MPV_EVENT_SEEK:
        if (seekPending_) seekStarted_ = true;
        break;
    case MPV_EVENT_PLAYBACK_RESTART:
        if (seekStarted_) seekPending_ = seekStarted_ = false;
        break;
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto* property = static_cast<mpv_event_property*>(event.data);
        if (event.reply_userdata == kDurationObserver && property->format == MPV_FORMAT_DOUBLE &&
            property->data)
            noteDuration(*static_cast<double*>(property->data));
        break;
    }
    default:
        break;
    }
}

void MpvEngine::onFileLoaded() {
    state_ = State::Loaded;
    // mpv holds a picture at time 0 for ever; cover art comes with an audio track and plays
    // as sound.
    picture_ = flagProperty(mpv_, "current-tracks/video/image") &&
               !flagProperty(mpv_, "current-tracks/video/albumart") &&
               !hasProperty(mpv_, "current-tracks/audio/id");
    if (picture_) {
        pictureBase_ = 0;
        if (paused_)
            pictureClock_.invalidate();
        else
            pictureClock_.start();
    }
    setVideo(hasProperty(mpv_, "current-tracks/video/id"));
    double seconds = 0;
    if (mpv_get_property(mpv_, "duration", MPV_FORMAT_DOUBLE, &seconds) >= 0) noteDuration(seconds);
}

void MpvEngine::noteDuration(double seconds) {
    if (state_ != State::Loaded) return;
    knownDuration_ = seconds;
    if (durationNotified_) return;
    durationNotified_ = true;
    notifyLater([](MediaListener& l) { l.durationKnown(); });
}

void MpvEngine::notifyLater(void (*notify)(MediaListener&)) {
    // Delivered from the event loop, never inside a call into the engine, and dropped once
    // another file has been loaded.
    const std::uint64_t generation = generation_;
    QMetaObject::invokeMethod(
        receiver_.get(),
        [this, generation, notify] {
            if (generation == generation_ && listener_) notify(*listener_);
        },
        Qt::QueuedConnection);
}

void MpvEngine::setVideo(bool present) {
    if (video_ == present) return;
    video_ = present;
    if (sink_) sink_->videoChanged();
}

void MpvEngine::setPaused(bool paused) {
    int flag = paused ? 1 : 0;
    mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &flag);
    if (paused_ == paused) return;
    paused_ = paused;
    if (!picture_) return;
    if (paused) {
        pictureBase_ = pictureSeconds();
        pictureClock_.invalidate();
    } else {
        pictureClock_.start();
    }
}

double MpvEngine::pictureSeconds() const {
    return pictureBase_ +
           (pictureClock_.isValid() ? static_cast<double>(pictureClock_.nsecsElapsed()) / 1e9 : 0);
}

void MpvEngine::setPictureSeconds(double seconds) {
    pictureBase_ = seconds;
    if (paused_)
        pictureClock_.invalidate();
    else
        pictureClock_.start();
}

void MpvEngine::load() {
    // A load still running when its wait ended (a slow or hung medium) may keep mpv from
    // starting the next one: waiting again would stall every later call for the same reason.
    const bool wait = state_ != State::Loading;
    ++generation_;
    state_ = State::Loading;
    loadError_ = 0;
    knownDuration_ = -1;
    durationNotified_ = false;
    picture_ = false;
    pausedSeekTarget_.reset();
    seekPending_ = seekStarted_ = false;
    setPaused(false);
    setVideo(false);

    if (notAFile(fileName_)) {
        // Like a missing file: whatever played before is gone.
        const char* stop[] = {"stop", nullptr};
        mpv_command(mpv_, stop);
        entryId_ = -1;
        state_ = State::Ended;
        throw Failure(MPV_ERROR_LOADING_FAILED, "not a regular file");
    }

    const QByteArray path = mpvPath(fileName_);
    const char* command[] = {"loadfile", path.constData(), "replace", nullptr};
    mpv_node result;
    if (const int rc = mpv_command_ret(mpv_, command, &result); rc < 0) {
        state_ = State::Ended;
        throw mpvFailure(rc, "loadfile");
    }
    entryId_ = -1;
    if (result.format == MPV_FORMAT_NODE_MAP) {
        const mpv_node_list* map = result.u.list;
        for (int i = 0; i < map->num; ++i)
            if (qstrcmp(map->keys[i], "playlist_entry_id") == 0 &&
                map->values[i].format == MPV_FORMAT_INT64)
                entryId_ = map->values[i].u.int64;
    }
    mpv_free_node_contents(&result);

    if (wait) pumpUntil([this] { return state_ != State::Loading; }, options_.loadTimeoutMs);
    // Still opening after the wait (a slow medium): it finishes in the background.
    if (state_ == State::Ended && loadError_ < 0) throw mpvFailure(loadError_, "load");
}

void MpvEngine::seekTo(double seconds) {
    const QByteArray target = QByteArray::number(seconds, 'f', 6);
    const char* command[] = {"seek", target.constData(), "absolute+exact", nullptr};
    seekPending_ = true;
    seekStarted_ = false;
    if (mpv_command(mpv_, command) < 0) {
        seekPending_ = false; // not seekable: the position stays
        return;
    }
    // Reads right after a seek must see the new position.
    pumpUntil([this] { return !seekPending_; }, kSeekTimeoutMs);
    // Paused, mpv's audio clock reads behind by what the output has buffered; the position
    // written is the one the player is at.
    if (paused_ && state_ == State::Loaded) pausedSeekTarget_ = seconds;
}

void MpvEngine::videoOutputReady() {
    drainEvents();
    if (state_ != State::Loaded) return;
    char* output = mpv_get_property_string(mpv_, "current-vo");
    const bool toNull = output && qstrcmp(output, "null") == 0;
    mpv_free(output);
    if (!toNull) return;
    // Deselecting and selecting the track rebuilds the video chain, which takes the first
    // output in the list that starts.
    mpv_set_property_string(mpv_, "vid", "no");
    mpv_set_property_string(mpv_, "vid", "auto");
}

void MpvEngine::setFileName(const QString& path) {
    drainEvents();
    fileName_ = path;
    if (path.isEmpty()) {
        close();
        state_ = State::Empty;
        return;
    }
    load();
}

double MpvEngine::position() {
    drainEvents();
    if (state_ != State::Loaded) return 0;
    if (picture_) return pictureSeconds();
    if (pausedSeekTarget_) return *pausedSeekTarget_;
    double seconds = 0;
    if (mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &seconds) < 0) return 0;
    return std::max(0.0, seconds);
}

void MpvEngine::setPosition(double seconds) {
    drainEvents();
    if (!(seconds >= 0)) throw Failure(err::InvalidValue, "negative position");
    if (state_ != State::Loaded) return;
    if (picture_) {
        setPictureSeconds(seconds);
        return;
    }
    seekTo(seconds);
}

double MpvEngine::rate() {
    drainEvents();
    double speed = 1.0;
    mpv_get_property(mpv_, "speed", MPV_FORMAT_DOUBLE, &speed);
    return speed;
}

void MpvEngine::setRate(double rate) {
    drainEvents();
    if (!std::isfinite(rate)) throw Failure(err::InvalidValue, "invalid rate");
    if (mpv_set_property(mpv_, "speed", MPV_FORMAT_DOUBLE, &rate) < 0)
        throw Failure(err::InvalidValue, "rate refused");
}

double MpvEngine::duration() {
    drainEvents();
    if (state_ == State::Loaded) {
        double seconds = 0;
        if (mpv_get_property(mpv_, "duration", MPV_FORMAT_DOUBLE, &seconds) >= 0)
            knownDuration_ = seconds;
    }
    return knownDuration_;
}

void MpvEngine::play() {
    drainEvents();
    switch (state_) {
    case State::Empty:
        return;
    case State::Ended:
        load();
        return;
    case State::Loading:
    case State::Loaded:
        pausedSeekTarget_.reset();
        setPaused(false);
        return;
    }
}

void MpvEngine::pause() {
    drainEvents();
    setPaused(true);
}

void MpvEngine::stop() {
    drainEvents();
    setPaused(true);
    if (state_ != State::Loaded) return;
    if (picture_)
        setPictureSeconds(0);
    else
        seekTo(0);
}

void MpvEngine::close() {
    drainEvents();
    const char* command[] = {"stop", nullptr};
    mpv_command(mpv_, command);
    if (state_ != State::Empty) state_ = State::Ended;
    picture_ = false;
    pausedSeekTarget_.reset();
    seekPending_ = seekStarted_ = false;
    setVideo(false);
}

} // namespace xj
