#include "desktop/mpris.h"

#include "core/form2.h"
#include "desktop/front_end.h"
#include "desktop/mpris_player.h"
#include "desktop/mpris_root.h"
#include "desktop/panel_view.h"
#include "form/failure.h"
#include "player/form1.h"
#include "playlist/media_types.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>
#include <algorithm>

namespace xj {

namespace {
const QString kService = QStringLiteral("org.mpris.MediaPlayer2.xingjing");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
// Reverse play seeks five times a second at most; so many notices are enough.
constexpr int SeekedGapMs = 200;
constexpr double Micro = 1e6;
} // namespace

Mpris::Mpris(FrontEnd& front) : front_(front), form_(front.form()) {
    new MprisRoot(*this);
    new MprisPlayer(*this);
    seekedLater_.setSingleShot(true);
    connect(&seekedLater_, &QTimer::timeout, this, [this] {
        lastSeeked_.start();
        emit seeked(position());
    });
}

Mpris::~Mpris() {
    front_.onMirrored = nullptr;
    form_.onSeeked = nullptr;
    if (bus_.isConnected()) {
        bus_.unregisterService(kService);
        bus_.unregisterObject(kPath);
    }
}

bool Mpris::registerOn(const QDBusConnection& bus) {
    if (!bus.isConnected()) return false;
    QDBusConnection b = bus;
    if (!b.registerObject(kPath, this, QDBusConnection::ExportAdaptors)) return false;
    if (!b.registerService(kService)) {
        b.unregisterObject(kPath);
        return false;
    }
    bus_ = b;
    published_ = playerValues();
    front_.onMirrored = [this] { mirror(); };
    form_.onSeeked = [this](double) { engineSeeked(); };
    return true;
}

void Mpris::mirror() {
    const QVariantMap now = playerValues();
    QVariantMap changed;
    for (auto it = now.begin(); it != now.end(); ++it)
        if (published_.value(it.key()) != it.value()) changed.insert(it.key(), it.value());
    published_ = now;
    if (changed.isEmpty()) return;
    QDBusMessage signal =
        QDBusMessage::createSignal(kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << kPlayer << changed << QStringList();
    bus_.send(signal);
}

void Mpris::engineSeeked() {
    if (seekedLater_.isActive()) return;
    const qint64 since = lastSeeked_.isValid() ? lastSeeked_.elapsed() : SeekedGapMs;
    if (since >= SeekedGapMs) {
        lastSeeked_.start();
        emit seeked(position());
    } else {
        seekedLater_.start(int(SeekedGapMs - since));
    }
}

void Mpris::raise() {
    front_.forward([this] {
        form_.Show();
        if (form_.windowState() == WindowState::Minimized)
            form_.setWindowState(WindowState::Normal);
    });
    PanelView& panel = front_.panel();
    panel.raise();
    panel.activateWindow();
}

void Mpris::quit() {
    // After the reply: the save question may wait for the user.
    QTimer::singleShot(0, this, [this] { front_.panel().close(); });
}

QStringList Mpris::supportedMimeTypes() {
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

void Mpris::play() {
    front_.forward([this] { form_.MNUBOFANG.Click(); });
}

void Mpris::pause() {
    front_.forward([this] { form_.MNUZAN.Click(); });
}

void Mpris::playPause() {
    // As the player window's space bar: what plays is the engine's to say.
    Form1* player = form_.form1IfLoaded();
    if (player && player->MediaPlayer1.State() == PlaybackState::Playing)
        pause();
    else
        play();
}

void Mpris::stop() {
    front_.forward([this] { form_.Command14_Click(); });
}

void Mpris::next() {
    front_.forward([this] { form_.MNUXIA.Click(); });
}

void Mpris::previous() {
    front_.forward([this] { form_.MNUSHANG.Click(); });
}

void Mpris::seek(qint64 offset) {
    Form1* player = form_.form1IfLoaded();
    if (!player) return;
    const double to = position() / Micro + offset / Micro;
    front_.forward([player, to] { player->seekTo(to); });
}

void Mpris::setPosition(const QString& id, qint64 at) {
    Form1* player = form_.form1IfLoaded();
    if (!player || id != trackId() || at < 0) return;
    const double seconds = at / Micro;
    if (seconds > player->MediaPlayer1.Duration()) return;
    front_.forward([player, seconds] { player->seekTo(seconds); });
}

void Mpris::setLoopStatus(const QString& status) {
    const QString now = playerValues().value(QStringLiteral("LoopStatus")).toString();
    // None is no mode of the panel's.
    const bool known = status == QLatin1String("Track") || status == QLatin1String("Playlist");
    if (known && status != now) front_.forward([this] { form_.Label6_Click(); });
}

void Mpris::setShuffle(bool on) {
    if (on != isTrue(form_.XUNHUAN)) front_.forward([this] { form_.MNUSUIJI.Click(); });
}

void Mpris::setVolume(double volume) {
    front_.forward([this, volume] { form_.speakerVolume.setFraction(volume); });
}

void Mpris::setRate(double rate) {
    if (!(rate >= MinimumRate && rate <= MaximumRate)) return;
    front_.forward([this, rate] { form_.form1().MediaPlayer1.setRate(rate); });
}

qint64 Mpris::position() {
    Form1* player = form_.form1IfLoaded();
    if (!player) return 0;
    try {
        return qint64(player->MediaPlayer1.CurrentPosition() * Micro);
    } catch (const Failure&) {
        return 0;
    }
}

QString Mpris::playbackStatus() {
    Form1* player = form_.form1IfLoaded();
    if (!player) return QStringLiteral("Stopped");
    switch (player->MediaPlayer1.State()) {
    case PlaybackState::Playing:
    case PlaybackState::Loading:
        return QStringLiteral("Playing");
    case PlaybackState::Paused:
        // Stop leaves the engine paused too, with pause disabled.
        return form_.Command12.Enabled ? QStringLiteral("Paused") : QStringLiteral("Stopped");
    default:
        return QStringLiteral("Stopped");
    }
}

QString Mpris::trackId() {
    if (form_.listbian < 0 || form_.listbian >= form_.List1.ListCount())
        return QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");
    return QStringLiteral("/org/mpris/MediaPlayer2/Track/%1").arg(form_.listbian);
}

QVariantMap Mpris::metadata() {
    QVariantMap m;
    const QString id = trackId();
    m.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(id)));
    if (id.endsWith(QLatin1String("NoTrack"))) return m;
    const QString entry = form_.List1.List(form_.listbian);
    m.insert(QStringLiteral("xesam:url"), QUrl::fromLocalFile(entry).toString());
    MediaDetails details;
    Form1* player = form_.form1IfLoaded();
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

QVariantMap Mpris::playerValues() {
    Form1* player = form_.form1IfLoaded();
    const qint32 max = form_.mixer.prSpeakerMaxVolume();
    const double volume = max > 0 ? double(form_.mixer.prSpeakerVolume()) / max : 0.0;
    double rate = 1.0;
    bool canSeek = false;
    if (player) {
        rate = player->MediaPlayer1.Rate();
        canSeek = player->MediaPlayer1.Duration() > 0;
    }
    return {
        {QStringLiteral("PlaybackStatus"), playbackStatus()},
        {QStringLiteral("LoopStatus"),
         isTrue(form_.mosi) ? QStringLiteral("Track") : QStringLiteral("Playlist")},
        {QStringLiteral("Rate"), rate},
        {QStringLiteral("Shuffle"), isTrue(form_.XUNHUAN)},
        {QStringLiteral("Metadata"), metadata()},
        {QStringLiteral("Volume"), std::clamp(volume, 0.0, 1.0)},
        {QStringLiteral("CanGoNext"), form_.Command25.Enabled},
        {QStringLiteral("CanGoPrevious"), form_.Command24.Enabled},
        {QStringLiteral("CanPlay"), form_.List1.ListCount() > 0},
        {QStringLiteral("CanPause"), form_.Command12.Enabled},
        {QStringLiteral("CanSeek"), canSeek},
    };
}

} // namespace xj
