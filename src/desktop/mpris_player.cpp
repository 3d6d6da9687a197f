#include "desktop/mpris_player.h"

#include "desktop/mpris.h"

namespace xj {

MprisPlayer::MprisPlayer(Mpris& mpris) : QDBusAbstractAdaptor(&mpris), mpris_(mpris) {
    connect(&mpris, &Mpris::seeked, this, &MprisPlayer::Seeked);
}

QVariant MprisPlayer::value(const char* name) const {
    return mpris_.playerValues().value(QString::fromLatin1(name));
}

void MprisPlayer::setLoopStatus(const QString& status) {
    mpris_.setLoopStatus(status);
}

void MprisPlayer::setRate(double rate) {
    mpris_.setRate(rate);
}

void MprisPlayer::setShuffle(bool on) {
    mpris_.setShuffle(on);
}

void MprisPlayer::setVolume(double volume) {
    mpris_.setVolume(volume);
}

qlonglong MprisPlayer::Position() const {
    return mpris_.position();
}

double MprisPlayer::MinimumRate() const {
    return Mpris::MinimumRate;
}

double MprisPlayer::MaximumRate() const {
    return Mpris::MaximumRate;
}

void MprisPlayer::Play() {
    mpris_.play();
}

void MprisPlayer::Pause() {
    mpris_.pause();
}

void MprisPlayer::PlayPause() {
    mpris_.playPause();
}

void MprisPlayer::Stop() {
    mpris_.stop();
}

void MprisPlayer::Next() {
    mpris_.next();
}

void MprisPlayer::Previous() {
    mpris_.previous();
}

void MprisPlayer::OpenUri(const QString& uri) {
    mpris_.openUri(uri);
}

void MprisPlayer::Seek(qlonglong offset) {
    mpris_.seek(offset);
}

void MprisPlayer::SetPosition(const QDBusObjectPath& trackId, qlonglong position) {
    mpris_.setPosition(trackId.path(), position);
}

} // namespace xj
