#pragma once

#include <QString>

namespace xj {

// Receives the engine's notifications on the user-interface thread.
class MediaListener {
public:
    virtual ~MediaListener() = default;
    // The duration of the open media has become known.
    virtual void durationKnown() = 0;
    // The open media played to its end (not a failed load, not a file replaced or stopped).
    virtual void playbackEnded() = 0;
};

// The media player control behind the player window. Every call runs on the user-interface
// thread; a failure throws xj::Failure (negative numbers for media errors, 380 for a value the
// engine refuses).
class MediaEngine {
public:
    virtual ~MediaEngine() = default;

    // Loads the file and starts it; waits (bounded) for the load so that a missing or
    // unplayable file fails here with a negative number. The name is kept even then.
    virtual void setFileName(const QString& path) = 0;
    virtual QString fileName() const = 0;

    // Seconds. Reads 0 once the media has played to its end or failed to load; a negative
    // position fails with 380.
    virtual double position() = 0;
    virtual void setPosition(double seconds) = 0;

    // 1.0 is normal speed; a rate the engine refuses fails with 380.
    virtual double rate() = 0;
    virtual void setRate(double rate) = 0;

    // Seconds; -1 while not known.
    virtual double duration() = 0;

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
