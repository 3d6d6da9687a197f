#pragma once

#include "form/control.h"
#include "player/play_failures.h"
#include "ports/media_engine.h"

namespace xj {

// The media player control on the player window: its size in twips is the control's own,
// everything else goes to the engine.
class MediaPlayer : public Control {
public:
    MediaPlayer(MediaEngine& engine, PlayFailures& failures, int width, int height)
        : Control("MediaPlayer1", 0, 0, width, height), engine_(engine), failures_(failures) {}

    QString FileName() const { return engine_.fileName(); }
    // Both open a file: the outcome is noted for the failure reports.
    void setFileName(const QString& path);
    void Play();
    double CurrentPosition() { return engine_.position(); }
    void setCurrentPosition(double seconds) { engine_.setPosition(seconds); }
    double Rate() { return engine_.rate(); }
    void setRate(double rate) { engine_.setRate(rate); }
    double Duration() { return engine_.duration(); }
    PlaybackState State() { return engine_.state(); }
    MediaDetails Details() { return engine_.details(); }
    bool ShowDisplay() const { return engine_.showDisplay(); }
    void setShowDisplay(bool on) { engine_.setShowDisplay(on); }
    void setSwitch1018(bool on) { engine_.setSwitch1018(on); }
    void Pause() { engine_.pause(); }
    void Stop() { engine_.stop(); }

    // The audio test: names ending in mp3, wav, midi or a sound-only format, letter case ignored.
    bool isAudio() const;

private:
    template <class Open> void opening(const QString& path, Open open);
    MediaEngine& engine_;
    PlayFailures& failures_;
};

// Whether a media path names audio by its ending, with or without regard to case.
bool endsAsAudio(const QString& path, Qt::CaseSensitivity cs = Qt::CaseInsensitive);

} // namespace xj
