#include "player/media_player.h"

namespace xj {

bool endsAsAudio(const QString& path, Qt::CaseSensitivity cs) {
    // The last three characters are mp3 or wav, or the last four midi: ".mid" is video.
    QString three = path.right(3);
    return three.compare(QLatin1String("mp3"), cs) == 0 ||
           three.compare(QLatin1String("wav"), cs) == 0 ||
           path.right(4).compare(QLatin1String("midi"), cs) == 0;
}

bool MediaPlayer::isAudio() const {
    return endsAsAudio(FileName());
}

} // namespace xj
