#include "panel/cls_volume.h"
#include "platform/alsa_mixer.h"
#include "support/fakes.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace xj {
namespace {

// A sound server of the test's own with a null sink as its default, reached by ALSA's default
// device as a desktop's is.
class SoundServer {
public:
    SoundServer() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", dir_.path());
        // Its own runtime folder, apart from the socket the test names.
        QDir(dir_.path()).mkdir("run");
        env.insert("XDG_RUNTIME_DIR", dir_.filePath("run"));
        server_.setProcessEnvironment(env);
        server_.start("pulseaudio",
                      {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
                       "--use-pid-file=no", "-L", "module-null-sink sink_name=out", "-L",
                       "module-native-protocol-unix socket=" + socket() + " auth-anonymous=1"});
        qputenv("PULSE_SERVER", ("unix:" + socket()).toUtf8());
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && !pactl({"info"}))
            QThread::msleep(100);
    }
    ~SoundServer() {
        server_.terminate();
        server_.waitForFinished(5000);
        qunsetenv("PULSE_SERVER");
    }
    bool running() { return pactl({"info"}).has_value(); }
    // pactl's output, or nothing when it failed.
    std::optional<QString> pactl(const QStringList& args) {
        QProcess p;
        p.start("pactl", args);
        if (!p.waitForFinished(5000) || p.exitCode() != 0) return std::nullopt;
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    // The default sink's volume in per cent, as the desktop's own control shows it.
    int sinkPercent() {
        const QString out = pactl({"get-sink-volume", "@DEFAULT_SINK@"}).value_or(QString());
        const QRegularExpressionMatch m = QRegularExpression("(\\d+)%").match(out);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }

private:
    QString socket() const { return dir_.filePath("socket"); }
    QTemporaryDir dir_;
    QProcess server_;
};

TEST(AlsaMixerTest, TheSpeakerVolumeIsTheSoundServersOwn) {
    SoundServer server;
    ASSERT_TRUE(server.running());
    ASSERT_TRUE(server.pactl({"set-sink-volume", "@DEFAULT_SINK@", "37%"}));

    // Opened at once, and opened ahead while the program starts: the same mixer.
    for (const bool ahead : {false, true}) {
        AlsaMixer device;
        if (ahead) device.openAhead();
        test::FakeMessages messages;
        clsVolume mixer(device, messages);
        mixer.meOpenMixer();
        ASSERT_EQ(mixer.prMixerErr(), 0) << ahead;
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_NEAR(mixer.prSpeakerVolume(), 0.37 * 65535, 0.01 * 65535) << ahead;
    }

    AlsaMixer device;
    device.openAhead();
    test::FakeMessages messages;
    clsVolume mixer(device, messages);
    mixer.meOpenMixer();
    ASSERT_EQ(mixer.prMixerErr(), 0);
    EXPECT_EQ(mixer.prSpeakerMinVolume(), 0);
    EXPECT_EQ(mixer.prSpeakerMaxVolume(), 65535);

    mixer.prSpeakerVolume(65535 / 2);
    EXPECT_NEAR(server.sinkPercent(), 50, 1);
    mixer.prSpeakerVolume(65535);
    EXPECT_EQ(server.sinkPercent(), 100);
    mixer.prSpeakerVolume(0);
    EXPECT_EQ(server.sinkPercent(), 0);
}

TEST(AlsaMixerTest, AMissingCardFailsToOpenAndIsReported) {
    for (const bool ahead : {false, true}) {
        AlsaMixer device("hw:99");
        if (ahead) device.openAhead();
        test::FakeMessages messages;
        clsVolume mixer(device, messages);
        mixer.meOpenMixer();
        EXPECT_NE(mixer.prMixerErr(), 0) << ahead;
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, "Could not open the mixer.");
        EXPECT_FALSE(device.findControl(MixerLine::Speakers));
        EXPECT_FALSE(device.setControlValue(MixerLine::Speakers, 100));
    }
}

} // namespace
} // namespace xj
