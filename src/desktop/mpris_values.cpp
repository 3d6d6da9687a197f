#include "desktop/mpris_values.h"

#include "core/form2.h"
#include "form/failure.h"
#include "player/form1.h"
#include "playlist/media_types.h"

#include <QDBusObjectPath>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>
#include <algorithm>

namespace xj::mprisvalues {

namespace {
constexpr double Micro = 1e6;
} // namespace

QStringList supportedMimeTypes() {
    const QStringList fields = mediatypes::dialogFilter().split(QLatin1Char('|'));
    QMimeDatabase db;
    QStringList types;
    for (qsizetype i = 1; i < fields.size(); i += 2)
        for (const QString& mask : mediatypes::masks(fields[i])) {
            const QMimeType type = db.mimeTypeForFile(QStringLiteral("x") + mask.mid(1).toLower(),
                                                      QMimeDatabase::MatchExtension);
            if (!type.isDefault() && !types.contains(type.name())) types << type.name();
        }
    return types;
}

QString localPath(const QString& uri) {
    const QUrl url(uri);
    if (!url.isLocalFile()) return {};
    return QDir::toNativeSeparators(url.toLocalFile());
}

qint64 position(Form2& form) {
    Form1* player = form.form1IfLoaded();
    if (!player) return 0;
    try {
        return qint64(player->MediaPlayer1.CurrentPosition() * Micro);
    } catch (const Failure&) {
        return 0;
    }
}

static QString playbackStatus(Form2& form) {
    Form1* player = form.form1IfLoaded();
    if (!player) return QStringLiteral("Stopped");
    switch (player->MediaPlayer1.State()) {
    case PlaybackState::Playing:
    case PlaybackState::Loading:
        return QStringLiteral("Playing");
    case PlaybackState::Paused:
        // Stop leaves the engine paused too, with pause disabled.
        return form.Command12.Enabled ? QStringLiteral("Paused") : QStringLiteral("Stopped");
    default:
        return QStringLiteral("Stopped");
    }
}

QString trackId(Form2& form) {
    if (form.listbian < 0 || form.listbian >= form.List1.ListCount())
        return QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");
    return QStringLiteral("/org/mpris/MediaPlayer2/Track/%1").arg(form.listbian);
}

static QVariantMap metadata(Form2& form) {
    QVariantMap m;
    const QString id = trackId(form);
    m.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(id)));
    if (id.endsWith(QLatin1String("NoTrack"))) return m;
    const QString entry = form.List1.List(form.listbian);
    m.insert(QStringLiteral("xesam:url"), QUrl::fromLocalFile(entry).toString());
    MediaDetails details;
    Form1* player = form.form1IfLoaded();
    if (player && player->MediaPlayer1.State() != PlaybackState::Empty)
        details = player->MediaPlayer1.Details();
    m.insert(QStringLiteral("xesam:title"),
             details.title.isEmpty() ? QFileInfo(entry).fileName() : details.title);
    if (!details.artist.isEmpty())
        m.insert(QStringLiteral("xesam:artist"), QStringList{details.artist});
    if (!details.album.isEmpty()) m.insert(QStringLiteral("xesam:album"), details.album);
    if (details.duration > 0)
        m.insert(QStringLiteral("mpris:length"), qint64(details.duration * Micro));
    return m;
}

QVariantMap player(Form2& form) {
    Form1* player = form.form1IfLoaded();
    const qint32 max = form.mixer.prSpeakerMaxVolume();
    const double volume = max > 0 ? double(form.mixer.prSpeakerVolume()) / max : 0.0;
    double rate = 1.0;
    bool canSeek = false;
    if (player) {
        rate = player->MediaPlayer1.Rate();
        canSeek = player->MediaPlayer1.Duration() > 0;
    }
    return {
        {QStringLiteral("PlaybackStatus"), playbackStatus(form)},
        {QStringLiteral("LoopStatus"),
         isTrue(form.mosi) ? QStringLiteral("Track") : QStringLiteral("Playlist")},
        {QStringLiteral("Rate"), rate},
        {QStringLiteral("Shuffle"), isTrue(form.XUNHUAN)},
        {QStringLiteral("Metadata"), metadata(form)},
        {QStringLiteral("Volume"), std::clamp(volume, 0.0, 1.0)},
        {QStringLiteral("CanGoNext"), form.Command25.Enabled},
        {QStringLiteral("CanGoPrevious"), form.Command24.Enabled},
        {QStringLiteral("CanPlay"), form.List1.ListCount() > 0},
        {QStringLiteral("CanPause"), form.Command12.Enabled},
        {QStringLiteral("CanSeek"), canSeek},
    };
}

} // namespace xj::mprisvalues
