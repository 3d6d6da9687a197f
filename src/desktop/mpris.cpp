#include "desktop/mpris.h"

#include "core/form2.h"
#include "desktop/front_end.h"
#include "desktop/mpris_player.h"
#include "desktop/mpris_root.h"
#include "desktop/mpris_values.h"
#include "desktop/panel_view.h"
#include "player/form1.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace xj {

namespace {
const QString kService = QStringLiteral("org.mpris.MediaPlayer2.xingjing");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
// RequestName's flag and answer, as D-Bus numbers them.
constexpr uint kDoNotQueue = 4;
constexpr uint kPrimaryOwner = 1;
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
        emit seeked(mprisvalues::position(form_));
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
    bus_ = b;
    published_ = mprisvalues::player(form_);
    front_.onMirrored = [this] { mirror(); };
    form_.onSeeked = [this](double) { engineSeeked(); };
    // Asked without waiting: the bus may take a while to answer, and the start must not.
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
    request << kService << kDoNotQueue;
    auto* watcher = new QDBusPendingCallWatcher(b.asyncCall(request), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isValid() && reply.value() == kPrimaryOwner) return;
        // Another player has the name: this one stays off the bus.
        withdraw();
    });
    return true;
}

void Mpris::withdraw() {
    front_.onMirrored = nullptr;
    form_.onSeeked = nullptr;
    if (!bus_.isConnected()) return;
    bus_.unregisterObject(kPath);
    bus_ = QDBusConnection(QString());
}

void Mpris::mirror() {
    const QVariantMap now = mprisvalues::player(form_);
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
        emit seeked(mprisvalues::position(form_));
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

QVariantMap Mpris::playerValues() {
    return mprisvalues::player(form_);
}

qint64 Mpris::position() {
    return mprisvalues::position(form_);
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

void Mpris::openUri(const QString& uri) {
    const QString path = mprisvalues::localPath(uri);
    if (path.isEmpty()) return;
    front_.forward([this, path] { form_.handedOverFile.take(path); });
}

void Mpris::seek(qint64 offset) {
    Form1* player = form_.form1IfLoaded();
    if (!player) return;
    const double to = static_cast<double>(mprisvalues::position(form_) + offset) / Micro;
    front_.forward([player, to] { player->seekTo(to); });
}

void Mpris::setPosition(const QString& id, qint64 at) {
    Form1* player = form_.form1IfLoaded();
    if (!player || id != mprisvalues::trackId(form_) || at < 0) return;
    const double seconds = static_cast<double>(at) / Micro;
    if (seconds > player->MediaPlayer1.Duration()) return;
    front_.forward([player, seconds] { player->seekTo(seconds); });
}

void Mpris::setLoopStatus(const QString& status) {
    const QString now = mprisvalues::player(form_).value(QStringLiteral("LoopStatus")).toString();
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

} // namespace xj
