#include "core/form2.h"
#include "desktop/front_end.h"
#include "desktop/mpris.h"
#include "player/form1.h"
#include "support/fakes.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QProcess>
#include <QScrollBar>
#include <QTest>

#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace xj {
namespace {

const QString kService = QStringLiteral("org.mpris.MediaPlayer2.xingjing");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// What a D-Bus client hears: the properties' changes and the seeks.
class Listener : public QObject {
    Q_OBJECT
public:
    QList<QVariantMap> changes;
    QList<qlonglong> seeks;
    // The last value announced for a property, null when none was.
    QVariant last(const QString& name) const {
        for (qsizetype i = changes.size() - 1; i >= 0; --i)
            if (changes[i].contains(name)) return changes[i].value(name);
        return {};
    }
public slots:
    void changed(const QString& interface, const QVariantMap& values, const QStringList&) {
        if (interface == kPlayer) changes << values;
    }
    void seeked(qlonglong position) { seeks << position; }
};

// The D-Bus signature of a value as it arrived.
QString signatureOf(const QVariant& v) {
    if (v.metaType() == QMetaType::fromType<QDBusArgument>())
        return v.value<QDBusArgument>().currentSignature();
    return QString::fromLatin1(QDBusMetaType::typeToSignature(v.metaType()));
}

// An a{sv} as it arrived: each key with its value.
std::map<QString, QVariant> entries(const QVariant& map) {
    std::map<QString, QVariant> out;
    const QDBusArgument arg = map.value<QDBusArgument>();
    arg.beginMap();
    while (!arg.atEnd()) {
        QString key;
        QDBusVariant value;
        arg.beginMapEntry();
        arg >> key >> value;
        arg.endMapEntry();
        out[key] = value.variant();
    }
    arg.endMap();
    return out;
}

// The player on the session bus of a private bus daemon, and a client on another connection.
class MprisTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        QProcess daemon;
        daemon.start(QStringLiteral("dbus-daemon"),
                     {"--session", "--fork", "--print-address=1", "--print-pid=1"});
        ASSERT_TRUE(daemon.waitForFinished(10000));
        const QStringList lines = QString::fromLocal8Bit(daemon.readAllStandardOutput())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 2);
        address = lines[0];
        daemonPid = lines[1].toInt();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toLocal8Bit());
    }
    static void TearDownTestSuite() {
        QDBusConnection::disconnectFromBus(QStringLiteral("mpris-client"));
        if (daemonPid > 0) ::kill(daemonPid, SIGTERM);
    }

    void start(int entries = 3) {
        QByteArray playlist;
        for (int i = 0; i < entries; ++i) {
            const QString path = QStringLiteral("/m/%1.mp3").arg(i);
            MediaDetails tags;
            tags.title = utf8("第%1首").arg(i);
            tags.artist = QStringLiteral("Whale");
            tags.album = QStringLiteral("Sea");
            fake.engine.addMedia(path, 100, tags);
            playlist += path.toUtf8() + "\r\n";
        }
        fake.writeFile("xp.txt", "no xp\r\n");
        fake.writeFile("xjge.txt", playlist);
        form = std::make_unique<Form2>(fake.platform);
        front = std::make_unique<FrontEnd>(*form);
        front->start();
        mpris = std::make_unique<Mpris>(*front);
        ASSERT_TRUE(mpris->registerOn(QDBusConnection::sessionBus()));
        // The name is asked for without waiting.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return client.interface()->isServiceRegistered(kService).value(); }, 5000));
        client.connect(kService, kPath, kProperties, QStringLiteral("PropertiesChanged"), &listener,
                       SLOT(changed(QString, QVariantMap, QStringList)));
        client.connect(kService, kPath, kPlayer, QStringLiteral("Seeked"), &listener,
                       SLOT(seeked(qlonglong)));
    }
    void TearDown() override {
        client.disconnect(kService, kPath, kProperties, QStringLiteral("PropertiesChanged"),
                          &listener, SLOT(changed(QString, QVariantMap, QStringList)));
        client.disconnect(kService, kPath, kPlayer, QStringLiteral("Seeked"), &listener,
                          SLOT(seeked(qlonglong)));
        mpris.reset();
    }

    // A call as another program makes it, answered while this thread's event loop runs.
    QDBusMessage call(const QString& interface, const QString& method,
                      const QVariantList& args = {}) {
        QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, interface, method);
        message.setArguments(args);
        QDBusPendingCall pending = client.asyncCall(message);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 5000));
        return pending.reply();
    }
    QVariant get(const QString& name, const QString& interface = kPlayer) {
        const QDBusMessage reply = call(kProperties, QStringLiteral("Get"), {interface, name});
        if (reply.type() != QDBusMessage::ReplyMessage) return {};
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    QDBusMessage set(const QString& name, const QVariant& value) {
        return call(kProperties, QStringLiteral("Set"),
                    {kPlayer, name, QVariant::fromValue(QDBusVariant(value))});
    }
    std::map<QString, QVariant> all(const QString& interface) {
        return entries(
            call(kProperties, QStringLiteral("GetAll"), {interface}).arguments().value(0));
    }
    void highlight(int entry) {
        front->forward([this, entry] {
            for (int i = 0; i < form->List1.ListCount(); ++i)
                form->List1.setSelected(i, i == entry);
        });
    }
    // Waits for a change of the property to reach the client.
    QVariant announced(const QString& name, const QVariant& value) {
        if (!QTest::qWaitFor([&] { return listener.last(name) == value; }, 5000))
            ADD_FAILURE() << "no change of " << name.toStdString() << " heard";
        return listener.last(name);
    }

    static inline QString address;
    static inline int daemonPid = 0;
    QDBusConnection client = QDBusConnection::connectToBus(address, QStringLiteral("mpris-client"));
    Listener listener;
    test::FakePlatform fake;
    std::unique_ptr<Form2> form;
    std::unique_ptr<FrontEnd> front;
    std::unique_ptr<Mpris> mpris;
};

TEST_F(MprisTest, EveryPropertyHasTheTypeOfTheInterface) {
    start();
    highlight(1);
    call(kPlayer, QStringLiteral("Play"));

    const std::map<QString, QString> root{{"CanQuit", "b"},
                                          {"CanRaise", "b"},
                                          {"HasTrackList", "b"},
                                          {"Identity", "s"},
                                          {"DesktopEntry", "s"},
                                          {"SupportedUriSchemes", "as"},
                                          {"SupportedMimeTypes", "as"}};
    const std::map<QString, QVariant> rootValues = all(kRoot);
    for (const auto& [name, signature] : root) {
        ASSERT_TRUE(rootValues.count(name)) << name.toStdString();
        EXPECT_EQ(signatureOf(rootValues.at(name)), signature) << name.toStdString();
    }
    EXPECT_EQ(rootValues.at("Identity").toString(), utf8("星鲸超级声海"));
    // The installed menu entry (io.github.xingjing.desktop).
    EXPECT_EQ(rootValues.at("DesktopEntry").toString(), "io.github.xingjing");
    EXPECT_EQ(rootValues.at("SupportedUriSchemes").toStringList(), QStringList{"file"});
    EXPECT_TRUE(rootValues.at("SupportedMimeTypes").toStringList().contains("audio/mpeg"));
    EXPECT_FALSE(rootValues.at("HasTrackList").toBool());

    const std::map<QString, QString> player{
        {"PlaybackStatus", "s"}, {"LoopStatus", "s"}, {"Rate", "d"},          {"Shuffle", "b"},
        {"Metadata", "a{sv}"},   {"Volume", "d"},     {"Position", "x"},      {"MinimumRate", "d"},
        {"MaximumRate", "d"},    {"CanGoNext", "b"},  {"CanGoPrevious", "b"}, {"CanPlay", "b"},
        {"CanPause", "b"},       {"CanSeek", "b"},    {"CanControl", "b"}};
    const std::map<QString, QVariant> values = all(kPlayer);
    for (const auto& [name, signature] : player) {
        ASSERT_TRUE(values.count(name)) << name.toStdString();
        EXPECT_EQ(signatureOf(values.at(name)), signature) << name.toStdString();
    }
    EXPECT_EQ(values.at("MinimumRate").toDouble(), 0.01);
    EXPECT_EQ(values.at("MaximumRate").toDouble(), 100);

    const std::map<QString, QString> metadata{{"mpris:trackid", "o"}, {"mpris:length", "x"},
                                              {"xesam:url", "s"},     {"xesam:title", "s"},
                                              {"xesam:artist", "as"}, {"xesam:album", "s"}};
    const std::map<QString, QVariant> playing = entries(values.at("Metadata"));
    for (const auto& [name, signature] : metadata) {
        ASSERT_TRUE(playing.count(name)) << name.toStdString();
        EXPECT_EQ(signatureOf(playing.at(name)), signature) << name.toStdString();
    }
    EXPECT_EQ(playing.at("mpris:trackid").value<QDBusObjectPath>().path(),
              "/org/mpris/MediaPlayer2/Track/1");
    EXPECT_EQ(playing.at("mpris:length").toLongLong(), 100'000'000);
    EXPECT_EQ(playing.at("xesam:url").toString(), "file:///m/1.mp3");
    EXPECT_EQ(playing.at("xesam:title").toString(), utf8("第1首"));
    EXPECT_EQ(playing.at("xesam:artist").toStringList(), QStringList{"Whale"});
}

TEST_F(MprisTest, MethodsAndSettablePropertiesDriveThePanel) {
    start();
    EXPECT_EQ(get("PlaybackStatus").toString(), "Stopped");
    EXPECT_TRUE(get("CanPlay").toBool());

    // Play: the highlighted entry, as a double click plays it.
    highlight(1);
    call(kPlayer, QStringLiteral("Play"));
    EXPECT_EQ(form->listbian, 1);
    EXPECT_EQ(fake.engine.file, "/m/1.mp3");
    EXPECT_TRUE(fake.engine.playing());
    fake.engine.advance(1000);
    EXPECT_EQ(get("PlaybackStatus").toString(), "Playing");

    call(kPlayer, QStringLiteral("PlayPause"));
    EXPECT_FALSE(fake.engine.playing());
    EXPECT_EQ(get("PlaybackStatus").toString(), "Paused");
    call(kPlayer, QStringLiteral("PlayPause"));
    EXPECT_TRUE(fake.engine.playing());

    call(kPlayer, QStringLiteral("Next"));
    EXPECT_EQ(form->listbian, 2);
    EXPECT_EQ(fake.engine.file, "/m/2.mp3");
    call(kPlayer, QStringLiteral("Previous"));
    EXPECT_EQ(fake.engine.file, "/m/1.mp3");
    fake.engine.advance(1000);

    // Seeks: relative, then to a place in this entry; one for another entry is ignored.
    call(kPlayer, QStringLiteral("Seek"), {qlonglong(30'000'000)});
    EXPECT_NEAR(fake.engine.pos, 31, 1e-6);
    call(kPlayer, QStringLiteral("Seek"), {qlonglong(-60'000'000)});
    EXPECT_EQ(fake.engine.pos, 0.05); // never the 0 that ends an entry
    const auto track = QVariant::fromValue(QDBusObjectPath("/org/mpris/MediaPlayer2/Track/1"));
    call(kPlayer, QStringLiteral("SetPosition"), {track, qlonglong(50'000'000)});
    EXPECT_EQ(fake.engine.pos, 50);
    EXPECT_EQ(get("Position").toLongLong(), 50'000'000);
    const auto other = QVariant::fromValue(QDBusObjectPath("/org/mpris/MediaPlayer2/Track/0"));
    call(kPlayer, QStringLiteral("SetPosition"), {other, qlonglong(10'000'000)});
    EXPECT_EQ(fake.engine.pos, 50);
    EXPECT_TRUE(QTest::qWaitFor([&] { return listener.seeks.contains(50'000'000); }, 5000));

    // The modes and the volume, as the panel's own controls set them.
    set("LoopStatus", "Track");
    EXPECT_TRUE(isTrue(form->mosi));
    EXPECT_EQ(form->Label6.Caption, utf8("单"));
    set("LoopStatus", "None");
    EXPECT_TRUE(isTrue(form->mosi));
    EXPECT_EQ(get("LoopStatus").toString(), "Track");
    set("Shuffle", true);
    EXPECT_TRUE(isTrue(form->XUNHUAN));
    EXPECT_TRUE(form->MNUSUIJI.Checked);
    set("Volume", 0.5);
    EXPECT_EQ(form->mixer.prSpeakerVolume(), 32768);
    EXPECT_EQ(form->HScroll1.Value, 16384);

    // The rate: within mpv's range it is the control's; outside it is refused, not clamped.
    set("Rate", 2.0);
    EXPECT_EQ(fake.engine.speed, 2.0);
    set("Rate", 200.0);
    EXPECT_EQ(fake.engine.speed, 2.0);
    set("Rate", 0.0);
    EXPECT_EQ(fake.engine.speed, 2.0);
    EXPECT_EQ(get("Rate").toDouble(), 2.0);

    call(kPlayer, QStringLiteral("Stop"));
    EXPECT_FALSE(fake.engine.playing());
    EXPECT_EQ(get("PlaybackStatus").toString(), "Stopped");
    EXPECT_FALSE(get("CanPause").toBool());

    // OpenUri takes a local file in as a second start hands it over: on top, playing. Other
    // schemes are not played.
    fake.engine.addMedia("/new/song.mp3", 60);
    call(kPlayer, QStringLiteral("OpenUri"), {QStringLiteral("file:///new/song.mp3")});
    EXPECT_EQ(form->List1.List(0), "/new/song.mp3");
    EXPECT_EQ(fake.engine.file, "/new/song.mp3");
    call(kPlayer, QStringLiteral("OpenUri"), {QStringLiteral("https://example.org/a.mp3")});
    EXPECT_EQ(fake.engine.file, "/new/song.mp3");

    // Raise brings back a minimised panel.
    front->forward([this] { form->setWindowState(WindowState::Minimized); });
    call(kRoot, QStringLiteral("Raise"));
    EXPECT_EQ(form->windowState(), WindowState::Normal);
    EXPECT_TRUE(form->Visible);
}

TEST_F(MprisTest, SignalsCarryEachChangeAndTheSeeks) {
    start();
    highlight(0);
    call(kPlayer, QStringLiteral("Play"));
    fake.engine.advance(1000);
    EXPECT_EQ(announced("PlaybackStatus", "Playing"), "Playing");

    // The panel's own pause button: only what changed is announced.
    listener.changes.clear();
    front->forward([this] { form->Command12_Click(); });
    EXPECT_EQ(announced("PlaybackStatus", "Paused"), "Paused");
    for (const QVariantMap& change : listener.changes)
        EXPECT_FALSE(change.contains("Volume"));

    front->forward([this] { form->Label6_Click(); });
    EXPECT_EQ(announced("LoopStatus", "Track"), "Track");
    front->forward([this] { form->MNUSUIJI.Click(); });
    EXPECT_EQ(announced("Shuffle", true), true);
    front->forward([this] { form->MNUYINLIANGJIAN_Click(); });
    const double softer = double(form->mixer.prSpeakerVolume()) / 65535;
    EXPECT_DOUBLE_EQ(announced("Volume", softer).toDouble(), softer);

    // Another entry: new metadata, with its title.
    listener.changes.clear();
    front->forward([this] { form->Command25_Click(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener.last("Metadata").isValid(); }, 5000));
    const auto now = entries(listener.last("Metadata"));
    EXPECT_EQ(now.at("xesam:title").toString(), utf8("第1首"));
    EXPECT_EQ(now.at("mpris:trackid").value<QDBusObjectPath>().path(),
              "/org/mpris/MediaPlayer2/Track/1");

    // A run of seeks, as reverse play makes them: the first is told at once, the rest in one
    // notice that names where playback ended up.
    fake.engine.advance(1000);
    QTest::qWait(300);
    listener.seeks.clear();
    front->forward([this] {
        for (int at = 50; at > 40; --at)
            form->form1().seekTo(at);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener.seeks.size() == 2; }, 5000));
    EXPECT_EQ(listener.seeks[0], 50'000'000);
    EXPECT_EQ(listener.seeks[1], 41'000'000);
    QTest::qWait(400);
    EXPECT_EQ(listener.seeks.size(), 2);
}

// Another program holding the name: the player asks without waiting, then stays off the bus.
TEST_F(MprisTest, ATakenNameLeavesThePlayerOffTheBus) {
    ASSERT_TRUE(client.registerService(kService));
    form = std::make_unique<Form2>(fake.platform);
    front = std::make_unique<FrontEnd>(*form);
    front->start();
    mpris = std::make_unique<Mpris>(*front);
    QDBusConnection bus = QDBusConnection::sessionBus();
    EXPECT_TRUE(mpris->registerOn(bus));
    EXPECT_TRUE(QTest::qWaitFor([&] { return bus.objectRegisteredAt(kPath) == nullptr; }, 5000));
    EXPECT_EQ(client.interface()->serviceOwner(kService).value(), client.baseService());
    // The panel goes on mirroring with nobody to tell.
    front->forward([this] { form->Label6_Click(); });
    EXPECT_TRUE(client.unregisterService(kService));
}

} // namespace
} // namespace xj

#include "mpris_test.moc"
