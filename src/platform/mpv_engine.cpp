#include "platform/mpv_engine.h"

#include "form/failure.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QScopeGuard>
#include <QTimer>

#include <mpv/client.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <utility>

namespace xj {

namespace {

// Tags on mpv's requests and observers, to match the events that answer them.
constexpr uint64_t kDurationObserver = 1;
constexpr uint64_t kPauseReply = 2;
constexpr uint64_t kRateReply = 3;
constexpr uint64_t kSeekReplies = 1ULL << 32; // plus the seek epoch
constexpr uint64_t kPreloadedHook = 4;
// The longest a file waits at its start for the view's window to appear.
constexpr int kHoldLimitMs = 1000;
// A seek written while another is under way waits for it, up to this long: mpv would start a
// new one over again from the keyframe, and steps faster than its seeks would never arrive.
constexpr qint64 kSeekPatienceMs = 1000;
// Once mpv has begun it, the one under way is let finish however long decoding up to its
// target takes (a slow decoder, a long stretch between keyframes); replacing it would only
// start the decoding again. The bound is for a seek that never finishes.
constexpr qint64 kBegunSeekPatienceMs = 10000;

// mpv's range of the speed option; checked here so that a refusal needs no answer from mpv.
constexpr double kMinRate = 0.01;
constexpr double kMaxRate = 100.0;

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

const mpv_node* member(const mpv_node& map, const char* key) {
    if (map.format != MPV_FORMAT_NODE_MAP) return nullptr;
    for (int i = 0; i < map.u.list->num; ++i)
        if (qstricmp(map.u.list->keys[i], key) == 0) return &map.u.list->values[i];
    return nullptr;
}

QString textMember(const mpv_node& map, const char* key) {
    const mpv_node* node = member(map, key);
    return node && node->format == MPV_FORMAT_STRING ? QString::fromUtf8(node->u.string)
                                                     : QString();
}

int64_t intMember(const mpv_node& map, const char* key) {
    const mpv_node* node = member(map, key);
    return node && node->format == MPV_FORMAT_INT64 ? node->u.int64 : 0;
}

double doubleMember(const mpv_node& map, const char* key) {
    const mpv_node* node = member(map, key);
    if (!node) return 0;
    if (node->format == MPV_FORMAT_DOUBLE) return node->u.double_;
    return node->format == MPV_FORMAT_INT64 ? static_cast<double>(node->u.int64) : 0;
}

// Fills `node` once; it stays empty when mpv has no such property.
void nodeProperty(mpv_handle* mpv, const char* name, mpv::Node& node) {
    mpv_get_property(mpv, name, MPV_FORMAT_NODE, node.out());
}

bool flagProperty(mpv_handle* mpv, const char* name) {
    int flag = 0;
    return mpv_get_property(mpv, name, MPV_FORMAT_FLAG, &flag) >= 0 && flag;
}

bool hasProperty(mpv_handle* mpv, const char* name) {
    int64_t value = 0;
    return mpv_get_property(mpv, name, MPV_FORMAT_INT64, &value) >= 0;
}

mpv::Core createCore() {
    // Qt adopts the environment's locale when the application object is made; mpv refuses to
    // start unless numbers are parsed with '.'.
    std::setlocale(LC_NUMERIC, "C");
    mpv::Core core(mpv_create());
    if (!core) throw Failure(MPV_ERROR_NOMEM, "mpv_create failed");
    return core;
}

} // namespace

MpvEngine::MpvEngine(const MpvOptions& options)
    : mpv_(createCore()), receiver_(std::make_unique<QObject>()), options_(options),
      holdLimit_(std::make_unique<QTimer>()) {
    holdLimit_->setSingleShot(true);
    holdLimit_->setInterval(kHoldLimitMs);
    QObject::connect(holdLimit_.get(), &QTimer::timeout, receiver_.get(),
                     [this] { releaseHold(); });
    const QByteArray ao = options.audioOutput.toUtf8();
    const QByteArray vo = options.videoOutput.toUtf8();
    const std::pair<const char*, const char*> settings[] = {
        {"config", "no"},
        {"terminal", "no"},
        {"load-scripts", "no"},
        {"ytdl", "no"},
        {"osc", "no"},
        // The statistics page and console answer only mpv's own key bindings, which are off, and
        // no profiles are kept: each would hold a script thread, busy while the first file opens.
        {"load-stats-overlay", "no"},
        {"load-osd-console", "no"},
        {"load-auto-profiles", "no"},
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
        if (const int rc = mpv_set_option_string(mpv_.get(), name, value); rc < 0)
            throw mpvFailure(rc, name);
    }
    if (const int rc = mpv_initialize(mpv_.get()); rc < 0) throw mpvFailure(rc, "mpv_initialize");
    // Observed rather than read on demand: a read waits for mpv's core, which is busy for as
    // much as a quarter of a second while a file's outputs start, and the windows with it.
    mpv_observe_property(mpv_.get(), kDurationObserver, "duration", MPV_FORMAT_DOUBLE);
    // Between opening a file and choosing its outputs: where the video output gets ready.
    mpv_hook_add(mpv_.get(), kPreloadedHook, "on_preloaded", 0);
    mpv_set_wakeup_callback(mpv_.get(), &MpvEngine::onWakeup, this);
}

MpvEngine::~MpvEngine() {
    // The render context must go before the core.
    if (sink_) sink_->releaseVideo();
    // Returns only once no callback is running, so the receiver (and its queued calls) can go
    // safely after it, and then the core (declared first, destroyed last).
    mpv_set_wakeup_callback(mpv_.get(), nullptr, nullptr);
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
        mpv_event* event = mpv_wait_event(mpv_.get(), 0);
        if (event->event_id == MPV_EVENT_NONE) return;
        handleEvent(*event);
    }
}

void MpvEngine::pumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        const qint64 left = deadline.remainingTime();
        if (left <= 0) return;
        mpv_event* event = mpv_wait_event(mpv_.get(), static_cast<double>(left) / 1000.0);
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
        // A file closed by an empty name stays empty when its end comes in.
        if (end->playlist_entry_id != entryId_ || state_ == State::Ended || state_ == State::Empty)
            break;
        // An old file's end arrives after the new one was requested: only ours counts.
        if (state_ == State::Loading) {
            loadError_ = end->error < 0 ? end->error : MPV_ERROR_LOADING_FAILED;
            if (end->reason == MPV_END_FILE_REASON_REDIRECT) {
                // A playlist is not a media file here; don't let mpv go on to its entries.
                loadError_ = MPV_ERROR_UNKNOWN_FORMAT;
                const char* stop[] = {"stop", nullptr};
                mpv_command(mpv_.get(), stop);
            }
        }
        const bool playedOut = state_ == State::Loaded && end->reason == MPV_END_FILE_REASON_EOF;
        state_ = State::Ended;
        picture_ = false;
        forgetSeeks();
        setVideo(false);
        if (playedOut) notifyLater([](MediaListener& l) { l.playbackEnded(); });
        break;
    }
    case MPV_EVENT_HOOK:
        onPreloaded(static_cast<mpv_event_hook*>(event.data)->id);
        break;
    case MPV_EVENT_COMMAND_REPLY:
        if (event.reply_userdata >= kSeekReplies) onSeekReply(event);
        break;
    case MPV_EVENT_SET_PROPERTY_REPLY:
        if (event.reply_userdata == kRateReply && event.error < 0) {
            // Not expected (the range was checked): take what mpv kept.
            mpv_get_property(mpv_.get(), "speed", MPV_FORMAT_DOUBLE, &rate_);
        }
        break;
    case MPV_EVENT_SEEK:
        // Only a seek taken after every other was answered is the one that ends them.
        if (seekQueued_ && seeksInFlight_ == 0) seekStarted_ = true;
        break;
    case MPV_EVENT_PLAYBACK_RESTART:
        // A restart of the file before this one came while this one was loading.
        if (state_ == State::Loaded) begun_ = true;
        if (seekStarted_) onSeekFinished();
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
    noteState();
}

void MpvEngine::onSeekReply(const mpv_event& reply) {
    // Sent for a file that has gone.
    if (reply.reply_userdata - kSeekReplies != seekEpoch_) return;
    --seeksInFlight_;
    if (reply.error >= 0) {
        seekQueued_ = true;
        seekStarted_ = false;
    } else if (!seeking()) {
        if (nextSeek_) {
            sendSeek(*std::exchange(nextSeek_, std::nullopt));
            return;
        }
        shownTarget_.reset(); // not seekable: the position stays where it is
    }
}

void MpvEngine::onSeekFinished() {
    seekQueued_ = seekStarted_ = false;
    if (nextSeek_) {
        sendSeek(*std::exchange(nextSeek_, std::nullopt));
        return;
    }
    const double at = shownTarget_.value_or(0);
    if (!paused_) shownTarget_.reset();
    notifyLater([at](MediaListener& l) { l.seeked(at); });
}

void MpvEngine::forgetSeeks() {
    ++seekEpoch_;
    seeksInFlight_ = 0;
    seekQueued_ = seekStarted_ = false;
    nextSeek_.reset();
    shownTarget_.reset();
}

void MpvEngine::onFileLoaded() {
    state_ = State::Loaded;
    // mpv holds a picture at time 0 for ever; cover art comes with an audio track and plays
    // as sound.
    picture_ = flagProperty(mpv_.get(), "current-tracks/video/image") &&
               !flagProperty(mpv_.get(), "current-tracks/video/albumart") &&
               !hasProperty(mpv_.get(), "current-tracks/audio/id");
    if (picture_) {
        pictureBase_ = 0;
        if (paused_)
            pictureClock_.invalidate();
        else
            pictureClock_.start();
    }
    setVideo(hasProperty(mpv_.get(), "current-tracks/video/id"));
    double seconds = 0;
    if (mpv_get_property(mpv_.get(), "duration", MPV_FORMAT_DOUBLE, &seconds) >= 0)
        noteDuration(seconds);
    readDetails();
    notifyLater([](MediaListener& l) { l.detailsKnown(); });
}

void MpvEngine::onPreloaded(uint64_t hook) {
    // mpv waits until the hook is continued.
    const auto resume = qScopeGuard([this, hook] { mpv_hook_continue(mpv_.get(), hook); });
    if (!sink_) return;
    mpv::Node tracks;
    nodeProperty(mpv_.get(), "track-list", tracks);
    if (tracks->format != MPV_FORMAT_NODE_ARRAY) return;
    for (int i = 0; i < tracks->u.list->num; ++i) {
        if (textMember(tracks->u.list->values[i], "type") == QLatin1String("video")) {
            if (!sink_->prepareVideo() && !paused_) {
                // Taken before the hook is continued, so before the first sound.
                held_ = true;
                int flag = 1;
                mpv_set_property_async(mpv_.get(), kPauseReply, "pause", MPV_FORMAT_FLAG, &flag);
                holdLimit_->start();
            }
            return;
        }
    }
}

void MpvEngine::videoShown() {
    releaseHold();
}

void MpvEngine::releaseHold() {
    holdLimit_->stop();
    if (!std::exchange(held_, false)) return;
    int flag = paused_ ? 1 : 0;
    mpv_set_property_async(mpv_.get(), kPauseReply, "pause", MPV_FORMAT_FLAG, &flag);
}

void MpvEngine::readDetails() {
    details_ = MediaDetails();
    mpv::String format(mpv_get_property_string(mpv_.get(), "file-format"));
    if (format) details_.container = QString::fromUtf8(format.get());

    mpv::Node video;
    nodeProperty(mpv_.get(), "current-tracks/video", video);
    details_.videoCodec = textMember(*video, "codec");
    details_.width = static_cast<int>(intMember(*video, "demux-w"));
    details_.height = static_cast<int>(intMember(*video, "demux-h"));
    details_.frameRate = doubleMember(*video, "demux-fps");
    details_.videoBitrate = intMember(*video, "demux-bitrate");

    mpv::Node audio;
    nodeProperty(mpv_.get(), "current-tracks/audio", audio);
    details_.audioCodec = textMember(*audio, "codec");
    details_.sampleRate = static_cast<int>(intMember(*audio, "demux-samplerate"));
    details_.channels = static_cast<int>(intMember(*audio, "demux-channel-count"));
    details_.audioBitrate = intMember(*audio, "demux-bitrate");

    int64_t bytes = 0;
    if (knownDuration_ > 0 &&
        mpv_get_property(mpv_.get(), "file-size", MPV_FORMAT_INT64, &bytes) >= 0)
        details_.bitrate = static_cast<qint64>(static_cast<double>(bytes) * 8 / knownDuration_);
    // mpv's demuxer gives no video bit rate for most containers: what the audio leaves of the
    // file's is the video's, near enough.
    if (!details_.videoCodec.isEmpty() && details_.videoBitrate == 0 &&
        details_.bitrate > details_.audioBitrate)
        details_.videoBitrate = details_.bitrate - details_.audioBitrate;

    // The file's tags; mpv keeps the container's spelling of the keys.
    mpv::Node tags;
    nodeProperty(mpv_.get(), "metadata", tags);
    details_.title = textMember(*tags, "title");
    details_.artist = textMember(*tags, "artist");
    details_.album = textMember(*tags, "album");
}

void MpvEngine::noteDuration(double seconds) {
    if (state_ != State::Loaded) return;
    knownDuration_ = seconds;
    if (durationNotified_) return;
    durationNotified_ = true;
    notifyLater([](MediaListener& l) { l.durationKnown(); });
}

void MpvEngine::notifyLater(std::function<void(MediaListener&)> notify) {
    // Delivered from the event loop, never inside a call into the engine, and dropped once
    // another file has been loaded.
    const std::uint64_t generation = generation_;
    QMetaObject::invokeMethod(
        receiver_.get(),
        [this, generation, notify = std::move(notify)] {
            if (generation == generation_ && listener_) notify(*listener_);
        },
        Qt::QueuedConnection);
}

PlaybackState MpvEngine::currentState() const {
    switch (state_) {
    case State::Empty:
        return PlaybackState::Empty;
    case State::Loading:
        return PlaybackState::Loading;
    case State::Loaded:
        return paused_ ? PlaybackState::Paused : PlaybackState::Playing;
    case State::Ended:
        break;
    }
    return PlaybackState::Ended;
}

void MpvEngine::noteState() {
    const PlaybackState now = currentState();
    if (now == notifiedState_) return;
    notifiedState_ = now;
    notifyLater([now](MediaListener& l) { l.stateChanged(now); });
}

void MpvEngine::setVideo(bool present) {
    if (video_ == present) return;
    video_ = present;
    if (sink_) sink_->videoChanged();
}

void MpvEngine::setPaused(bool paused) {
    // mpv takes requests in the order they are made, so whatever is asked for next sees it.
    // The user's word ends a hold.
    held_ = false;
    holdLimit_->stop();
    int flag = paused ? 1 : 0;
    mpv_set_property_async(mpv_.get(), kPauseReply, "pause", MPV_FORMAT_FLAG, &flag);
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
    begun_ = false;
    details_ = MediaDetails();
    picture_ = false;
    forgetSeeks();
    setPaused(false);
    setVideo(false);
    noteState();

    if (notAFile(fileName_)) {
        // Like a missing file: whatever played before is gone.
        const char* stop[] = {"stop", nullptr};
        mpv_command(mpv_.get(), stop);
        entryId_ = -1;
        state_ = State::Ended;
        throw Failure(MPV_ERROR_LOADING_FAILED, "not a regular file");
    }

    const QByteArray path = mpvPath(fileName_);
    const char* command[] = {"loadfile", path.constData(), "replace", nullptr};
    mpv::Node result;
    if (const int rc = mpv_command_ret(mpv_.get(), command, result.out()); rc < 0) {
        state_ = State::Ended;
        throw mpvFailure(rc, "loadfile");
    }
    const mpv_node* id = member(*result, "playlist_entry_id");
    entryId_ = id && id->format == MPV_FORMAT_INT64 ? id->u.int64 : -1;

    if (wait) pumpUntil([this] { return state_ != State::Loading; }, options_.loadTimeoutMs);
    // Still opening after the wait (a slow medium): it finishes in the background.
    if (state_ == State::Ended && loadError_ < 0) throw mpvFailure(loadError_, "load");
}

void MpvEngine::seekTo(double seconds) {
    // Reads right after a seek must see the new position.
    shownTarget_ = seconds;
    const qint64 patience = seekStarted_ ? kBegunSeekPatienceMs : kSeekPatienceMs;
    if (seeking() && seekSent_.isValid() && seekSent_.elapsed() < patience) {
        nextSeek_ = seconds;
        return;
    }
    nextSeek_.reset();
    sendSeek(seconds);
}

void MpvEngine::sendSeek(double seconds) {
    const QByteArray target = QByteArray::number(seconds, 'f', 6);
    const char* command[] = {"seek", target.constData(), "absolute+exact", nullptr};
    if (mpv_command_async(mpv_.get(), kSeekReplies + seekEpoch_, command) < 0) {
        if (!seeking()) shownTarget_.reset(); // the position stays where it is
        return;
    }
    ++seeksInFlight_;
    seekSent_.start();
}

void MpvEngine::videoOutputReady() {
    drainEvents();
    if (state_ != State::Loaded) return;
    const mpv::String output(mpv_get_property_string(mpv_.get(), "current-vo"));
    if (!output || qstrcmp(output.get(), "null") != 0) return;
    // Deselecting and selecting the track rebuilds the video chain, which takes the first
    // output in the list that starts.
    mpv_set_property_string(mpv_.get(), "vid", "no");
    mpv_set_property_string(mpv_.get(), "vid", "auto");
}

void MpvEngine::setFileName(const QString& path) {
    drainEvents();
    const auto notice = qScopeGuard([this] { noteState(); });
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
    // Playing, a seek mpv has not finished in time no longer stands for where playback is.
    const bool overdue = seekSent_.isValid() && seekSent_.hasExpired(kSeekPatienceMs);
    if (shownTarget_ && (paused_ || !overdue)) return *shownTarget_;
    // Until playback has begun it stands at the start; asking mpv would wait for it to finish
    // starting the file's outputs (see the duration's observer).
    if (!begun_) return 0;
    double seconds = 0;
    if (mpv_get_property(mpv_.get(), "time-pos", MPV_FORMAT_DOUBLE, &seconds) < 0) return 0;
    return std::max(0.0, seconds);
}

void MpvEngine::setPosition(double seconds) {
    drainEvents();
    if (!(seconds >= 0)) throw Failure(err::InvalidValue, "negative position");
    if (state_ != State::Loaded) return;
    if (picture_) {
        setPictureSeconds(seconds);
        notifyLater([seconds](MediaListener& l) { l.seeked(seconds); });
        return;
    }
    seekTo(seconds);
}

double MpvEngine::rate() {
    drainEvents();
    return rate_;
}

void MpvEngine::setRate(double rate) {
    drainEvents();
    if (!(rate >= kMinRate && rate <= kMaxRate)) throw Failure(err::InvalidValue, "rate refused");
    rate_ = rate;
    mpv_set_property_async(mpv_.get(), kRateReply, "speed", MPV_FORMAT_DOUBLE, &rate);
}

double MpvEngine::duration() {
    drainEvents();
    return knownDuration_;
}

PlaybackState MpvEngine::state() {
    drainEvents();
    return currentState();
}

MediaDetails MpvEngine::details() {
    drainEvents();
    if (state_ != State::Loaded) return MediaDetails();
    MediaDetails known = details_;
    known.duration = knownDuration_;
    return known;
}

void MpvEngine::play() {
    drainEvents();
    const auto notice = qScopeGuard([this] { noteState(); });
    switch (state_) {
    case State::Empty:
        return;
    case State::Ended:
        load();
        return;
    case State::Loading:
    case State::Loaded:
        // A seek still under way is read as written until it is done.
        if (!seeking()) shownTarget_.reset();
        setPaused(false);
        return;
    }
}

void MpvEngine::pause() {
    drainEvents();
    setPaused(true);
    noteState();
}

void MpvEngine::stop() {
    drainEvents();
    setPaused(true);
    noteState();
    if (state_ != State::Loaded) return;
    if (picture_) {
        setPictureSeconds(0);
        notifyLater([](MediaListener& l) { l.seeked(0); });
    } else {
        seekTo(0);
    }
}

void MpvEngine::close() {
    drainEvents();
    const char* command[] = {"stop", nullptr};
    mpv_command(mpv_.get(), command);
    if (state_ != State::Empty) state_ = State::Ended;
    picture_ = false;
    // Nothing is open: a released file has no length to report.
    knownDuration_ = -1;
    forgetSeeks();
    setVideo(false);
    noteState();
}

} // namespace xj
