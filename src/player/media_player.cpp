#include "player/media_player.h"

#include "form/failure.h"
#include "playlist/media_types.h"

namespace xj {

bool endsAsAudio(const QString& path, Qt::CaseSensitivity cs) {
    // The last three characters are mp3 or wav, or the last four midi: ".mid" is video. Today's
    // sound-only formats count too, or an .ogg would open the large video window.
    QString three = path.right(3);
    return three.compare(QLatin1String("mp3"), cs) == 0 ||
           three.compare(QLatin1String("wav"), cs) == 0 ||
           path.right(4).compare(QLatin1String("midi"), cs) == 0 ||
           mediatypes::isCommonAudio(path, cs);
}

template <class Open> void MediaPlayer::opening(const QString& path, Open open) {
    try {
        open();
    } catch (const Failure& e) {
        if (e.number() < 0) failures_.failed(path);
        throw;
    }
    failures_.started();
}

void MediaPlayer::setFileName(const QString& path) {
    opening(path, [&] { engine_.setFileName(path); });
}

void MediaPlayer::Play() {
    opening(engine_.fileName(), [&] { engine_.play(); });
}

bool MediaPlayer::isAudio() const {
    return endsAsAudio(FileName());
}

} // namespace xj
