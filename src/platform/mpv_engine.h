#pragma once

#include "platform/mpv_handles.h"
#include "ports/media_engine.h"

#include <QElapsedTimer>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QObject;
class QTimer;

namespace xj {

struct MpvOptions {
    // mpv's "ao" list; it ends in null so that a machine without a sound card still plays
    // (the default output fails there after the file has loaded).
    QString audioOutput = QStringLiteral("pulse,alsa,null");
    // "libmpv" renders through a video view. The null fallback lets a file play while no view
    // is ready (a picture or a silent video would otherwise fail to open); "null" alone decodes
    // and drops the pictures.
    QString videoOutput = QStringLiteral("libmpv,null");
    // How long setFileName and play wait for a file to open.
    int loadTimeoutMs = 2000;
};

// Renders the engine's video; the engine releases it before the mpv core goes away.
class VideoSink {
public:
    // A file with video is opening: make the render context now if it is not there yet, so
    // the video goes to the view from its first frame. Answers whether the picture can be
    // seen now; if not (its window is still to appear), the engine holds the file at its start
    // until videoShown() or a short while. Called while mpv waits, on the engine's thread;
    // the sink must not call back into the engine.
    virtual bool prepareVideo() = 0;
    virtual void releaseVideo() = 0;
    // The open file's video came or went (see MpvEngine::showsVideo): draw again.
    virtual void videoChanged() = 0;

protected:
    ~VideoSink() = default;
};

// The media player control on libmpv. Create it after the application object (its
// notifications are queued to the thread that creates it, which must run an event loop) and
// destroy it before that object. The constructor sets LC_NUMERIC to "C", which mpv requires.
// Only loading waits for mpv; seeks, rates and pausing are sent without waiting, and their
// outcome comes back as events handled on that thread.
class MpvEngine : public MediaEngine {
public:
    explicit MpvEngine(const MpvOptions& options = MpvOptions());
    ~MpvEngine() override;
    MpvEngine(const MpvEngine&) = delete;
    MpvEngine& operator=(const MpvEngine&) = delete;

    void setFileName(const QString& path) override;
    QString fileName() const override { return fileName_; }
    double position() override;
    void setPosition(double seconds) override;
    double rate() override;
    void setRate(double rate) override;
    double duration() override;
    PlaybackState state() override;
    MediaDetails details() override;
    bool showDisplay() const override { return showDisplay_; }
    void setShowDisplay(bool on) override { showDisplay_ = on; }
    void setSwitch1018(bool on) override { switch1018_ = on; }
    bool switch1018() const { return switch1018_; }
    void play() override;
    void pause() override;
    void stop() override;
    void close() override;
    void setListener(MediaListener* listener) override { listener_ = listener; }

    // For the video view's render context.
    mpv_handle* handle() const { return mpv_.get(); }
    // At most one sink; it unregisters itself (nullptr) when it goes first.
    void setVideoSink(VideoSink* sink) { sink_ = sink; }
    VideoSink* videoSink() const { return sink_; }
    // The sink's render context exists now: a file that opened before the sink did went to
    // the null output, so its video is opened again to reach the view.
    void videoOutputReady();
    // The sink has drawn a frame where it can be seen: a file held for it starts playing.
    void videoShown();
    // The open file is a still picture, whose position is the time it has been shown.
    bool showingPicture() const { return state_ == State::Loaded && picture_; }
    // The loaded file has a video track (a film, a picture, cover art). While it has none,
    // mpv keeps the previous file's last frame, which must not be shown.
    bool showsVideo() const { return video_; }

private:
    enum class State { Empty, Loading, Loaded, Ended };

    static void onWakeup(void* self);
    void drainEvents();
    void handleEvent(const mpv_event& event);
    void pumpUntil(const std::function<bool()>& done, int timeoutMs);
    void load();
    void onFileLoaded();
    void onPreloaded(uint64_t hook);
    void releaseHold();
    void noteDuration(double seconds);
    void notifyLater(std::function<void(MediaListener&)> notify);
    PlaybackState currentState() const;
    void noteState();
    void readDetails();
    void setPaused(bool paused);
    void setVideo(bool present);
    void seekTo(double seconds);
    void sendSeek(double seconds);
    void onSeekReply(const mpv_event& reply);
    void onSeekFinished();
    void forgetSeeks();
    bool seeking() const { return seeksInFlight_ > 0 || seekQueued_; }

    // Seconds a picture has been shown, stopping while paused.
    double pictureSeconds() const;
    void setPictureSeconds(double seconds);

    mpv::Core mpv_;
    std::unique_ptr<QObject> receiver_; // queued drains and notifications run on it; goes first
    std::atomic<bool> drainQueued_{false};
    MpvOptions options_;
    MediaListener* listener_ = nullptr;
    VideoSink* sink_ = nullptr;

    QString fileName_;
    State state_ = State::Empty;
    int64_t entryId_ = -1;   // mpv's playlist entry of our file
    int64_t startedId_ = -1; // the entry mpv last started
    int loadError_ = 0;
    std::uint64_t generation_ = 0; // bumped on every load, so stale notifications are dropped
    double knownDuration_ = -1;
    bool begun_ = false; // playback of the loaded file has begun
    bool durationNotified_ = false;
    bool paused_ = false;
    double rate_ = 1.0;
    PlaybackState notifiedState_ = PlaybackState::Empty;
    MediaDetails details_;

    // A seek is sent, mpv answers that it took it, then reports the seek (MPV_EVENT_SEEK) and
    // the restart of playback at the new position. Seeks sent close together may be merged
    // into one; the ones written meanwhile wait (nextSeek_), only the last is sent.
    std::uint64_t seekEpoch_ = 0; // bumped when a file goes: replies to its seeks are stale
    int seeksInFlight_ = 0;       // sent, not yet answered
    bool seekQueued_ = false;     // taken by mpv, not yet finished
    bool seekStarted_ = false;    // mpv began the last one taken
    // The position written, read back until mpv has got there and for as long as playback
    // stays paused (paused, mpv's audio clock reads behind by what the output has buffered).
    std::optional<double> shownTarget_;
    std::optional<double> nextSeek_; // written while a seek was under way: sent after it
    QElapsedTimer seekSent_;

    bool video_ = false;
    bool picture_ = false;
    double pictureBase_ = 0;
    QElapsedTimer pictureClock_; // valid while a picture is shown unpaused

    // Held paused at its start while the view's window is still to appear, so that sound and
    // picture start together; the user's own pause is paused_.
    bool held_ = false;
    std::unique_ptr<QTimer> holdLimit_;

    bool showDisplay_ = false;
    bool switch1018_ = false;
};

} // namespace xj
