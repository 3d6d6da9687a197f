#pragma once

#include <QString>
#include <QtGlobal>

namespace xj {

// Where the engine is with the open media.
enum class PlaybackState {
    Empty,   // no file name
    Loading, // asked for, not opened yet
    Playing,
    Paused, // stopped too: paused at the start
    Ended,  // played out, failed to open, or closed; the file name is kept
};

// What the open media is, as far as its container and streams tell. Numbers are 0 and texts
// empty where the media does not say.
struct MediaDetails {
    QString container; // the demuxer's name, such as "wav" or "mov,mp4,m4a,3gp,3g2,mj2"
    double duration = -1;
    QString videoCodec;
    int width = 0;
    int height = 0;
    double frameRate = 0;
    QString audioCodec;
    int sampleRate = 0;
    int channels = 0;
    qint64 bitrate = 0;      // the whole file's, bits per second
    qint64 videoBitrate = 0; // where the stream does not say, estimated from the file's
    qint64 audioBitrate = 0;
    QString title;
    QString artist;
    QString album;

    bool operator==(const MediaDetails&) const = default;
};

// Receives the engine's notifications on the user-interface thread, from the event loop and
// never inside a call into the engine; those of a file are dropped once another has loaded.
class MediaListener {
public:
    virtual ~MediaListener() = default;
    // The duration of the open media has become known.
    virtual void durationKnown() = 0;
    // The open media played to its end (not a failed load, not a file replaced or stopped).
    virtual void playbackEnded() = 0;
    // state() became `state`.
    virtual void stateChanged(PlaybackState state) { Q_UNUSED(state); }
    // A position written (stop's return to the start included) is now the one playing.
    virtual void seeked(double seconds) { Q_UNUSED(seconds); }
    // details() describe the open media.
    virtual void detailsKnown() {}
};

// The media player control behind the player window. Every call runs on the user-interface
// thread and returns without waiting for the engine, except where said; a failure throws
// xj::Failure (negative numbers for media errors, 380 for a value the engine refuses).
class MediaEngine {
public:
    virtual ~MediaEngine() = default;

    // Loads the file and starts it; waits (bounded) for the load so that a missing or
    // unplayable file fails here with a negative number. The name is kept even then.
    virtual void setFileName(const QString& path) = 0;
    virtual QString fileName() const = 0;

    // Seconds. Reads 0 once the media has played to its end or failed to load; a negative
    // position fails with 380. A position written reads back as written until the engine has
    // got there, and for as long as playback stays paused.
    virtual double position() = 0;
    virtual void setPosition(double seconds) = 0;

    // 1.0 is normal speed; a rate the engine refuses fails with 380.
    virtual double rate() = 0;
    virtual void setRate(double rate) = 0;

    // Seconds; -1 while not known.
    virtual double duration() = 0;

    virtual PlaybackState state() = 0;
    // The open media's details; all unknown (duration -1) while nothing has loaded.
    virtual MediaDetails details() = 0;

    // The details pane of the player window.
    virtual bool showDisplay() const = 0;
    virtual void setShowDisplay(bool on) = 0;

    // Written on every status tick; has no effect on playback.
    virtual void setSwitch1018(bool on) = 0;

    virtual void play() = 0;  // starts or resumes; after the end starts the file again
    virtual void pause() = 0; // keeps the position
    virtual void stop() = 0;  // pauses and returns to the start, keeping the file loaded

    // The player window was closed: playback ends and the file is released.
    virtual void close() = 0;

    virtual void setListener(MediaListener* listener) = 0;
};

} // namespace xj
