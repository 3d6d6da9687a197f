#include "form/failure.h"
#include "platform/mpv_engine.h"
#include "support/engine_probes.h"
#include "support/event_loop.h"
#include "support/media_files.h"
#include "support/mpv_watch.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace xj {
namespace {

using test::CountingListener;
using test::failureNumber;
using test::MpvWatch;

// The engine queues its notifications to the application's event loop.
QCoreApplication& application() {
    return test::application();
}

// Polls every 50 ms, letting queued notifications run; the bound is generous on purpose.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 6000) {
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        QCoreApplication::processEvents();
        if (done()) return true;
        if (deadline.hasExpired()) return false;
        QThread::msleep(50);
    }
}

void settle(int ms) {
    waitUntil([] { return false; }, ms);
}

// Remembers every notification in the order it came.
class RecordingListener : public MediaListener {
public:
    void durationKnown() override { heard.push_back("duration"); }
    void playbackEnded() override { heard.push_back("ended"); }
    void stateChanged(PlaybackState state) override { states.push_back(state); }
    void seeked(double seconds) override { seeks.push_back(seconds); }
    void detailsKnown() override { heard.push_back("details"); }
    std::vector<std::string> heard;
    std::vector<PlaybackState> states;
    std::vector<double> seeks;
};

class MpvEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        application();
        ASSERT_TRUE(dir_.isValid());
        MpvOptions options;
        options.audioOutput = "null";
        options.videoOutput = "null";
        // A loaded CI machine must not turn a slow open into a missed failure.
        options.loadTimeoutMs = 10000;
        engine_ = std::make_unique<MpvEngine>(options);
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

    // Waits for the file to be heard playing, then for it to read as ended.
    bool playsToEnd(double beyond) {
        double furthest = 0;
        const bool ended = waitUntil([&] {
            const double at = engine_->position();
            furthest = std::max(furthest, at);
            return furthest > beyond && at == 0;
        });
        return ended;
    }

    QTemporaryDir dir_;
    std::unique_ptr<MpvEngine> engine_;
};

TEST_F(MpvEngineTest, WavPlaysToItsEndAndThenReadsZero) {
    const QString wav = test::makeWav(dir_.path(), "tone.wav", 2.0);
    engine_->setFileName(wav);
    EXPECT_EQ(engine_->fileName(), wav);
    EXPECT_NEAR(engine_->duration(), 2.0, 0.1);
    EXPECT_TRUE(waitUntil([&] { return engine_->position() > 0.2; }));

    // ao=null finishes about 0.4 s early, so "near the end" is generous.
    ASSERT_TRUE(playsToEnd(1.0));
    EXPECT_EQ(engine_->position(), 0);
    EXPECT_EQ(engine_->fileName(), wav);
    EXPECT_NEAR(engine_->duration(), 2.0, 0.1);

    // After the end a position is accepted and changes nothing.
    engine_->setPosition(1.0);
    EXPECT_EQ(engine_->position(), 0);
    settle(200);
    EXPECT_EQ(engine_->position(), 0);
}

TEST_F(MpvEngineTest, Mp3AndVideosReportTheirDurations) {
    engine_->setFileName(test::makeMp3(dir_.path(), "tone.mp3", 2.0));
    EXPECT_NEAR(engine_->duration(), 2.0, 0.15);
    EXPECT_TRUE(waitUntil([&] { return engine_->position() > 0.1; }));

    engine_->setFileName(test::makeVideo(dir_.path(), "clip.avi", 1.0));
    EXPECT_NEAR(engine_->duration(), 1.0, 0.15);
    EXPECT_TRUE(waitUntil([&] { return engine_->position() > 0.1; }));

    engine_->setFileName(test::makeVideo(dir_.path(), "clip.mpg", 1.0));
    EXPECT_NEAR(engine_->duration(), 1.0, 0.15);
    EXPECT_TRUE(waitUntil([&] { return engine_->position() > 0.1; }));
}

TEST_F(MpvEngineTest, UnplayableFilesFailAtOnceAndKeepTheirNames) {
    EXPECT_EQ(engine_->duration(), -1);

    const QString missing = path("nowhere.mp3");
    EXPECT_LT(failureNumber([&] { engine_->setFileName(missing); }), 0);
    EXPECT_EQ(engine_->fileName(), missing);
    EXPECT_EQ(engine_->position(), 0);
    EXPECT_EQ(engine_->duration(), -1);
    engine_->setPosition(3.0);
    EXPECT_EQ(engine_->position(), 0);
    // Playing tries the same file again, and fails the same way.
    EXPECT_LT(failureNumber([&] { engine_->play(); }), 0);

    const QString garbage = test::makeGarbage(dir_.path(), "noise.mp3", 64 * 1024);
    EXPECT_LT(failureNumber([&] { engine_->setFileName(garbage); }), 0);
    EXPECT_EQ(engine_->fileName(), garbage);
    EXPECT_EQ(engine_->position(), 0);

    // A good file after a failure plays.
    engine_->setFileName(test::makeWav(dir_.path(), "tone.wav", 2.0));
    EXPECT_TRUE(waitUntil([&] { return engine_->position() > 0.2; }));
}

TEST_F(MpvEngineTest, EntriesThatAreNotRegularFilesFailAtOnce) {
    const QString fifo = test::makeFifo(dir_.path(), "stalled.mp3");
    // Should the pipe ever be opened, nobody writes to it: let the opener go before the end.
    const auto release = qScopeGuard([&] { test::releaseFifo(fifo); });
    const QString folder = path("folder.mp3");
    ASSERT_TRUE(QDir().mkpath(folder));
    test::makeWav(folder, "inside.wav", 1.0);
    const QString socket = test::makeSocket(dir_.path(), "socket.wav");
    const QString device = QStringLiteral("/dev/null");

    const QString wav = test::makeWav(dir_.path(), "tone.wav", 3.0);
    engine_->setFileName(wav);
    ASSERT_TRUE(waitUntil([&] { return engine_->position() > 0.2; }));

    for (const QString& entry : {fifo, folder, socket, device}) {
        SCOPED_TRACE(entry.toStdString());
        EXPECT_LT(failureNumber([&] { engine_->setFileName(entry); }), 0);
        EXPECT_EQ(engine_->fileName(), entry);
        EXPECT_EQ(engine_->position(), 0);
        EXPECT_EQ(engine_->duration(), -1);
        EXPECT_LT(failureNumber([&] { engine_->play(); }), 0);
    }
    // Nothing was left opening the pipe.
    EXPECT_FALSE(test::releaseFifo(fifo));

    engine_->setFileName(wav);
    EXPECT_TRUE(waitUntil([&] { return engine_->position() > 0.2; }));
}

TEST_F(MpvEngineTest, ALoadStillRunningAfterItsWaitGoesOnInTheBackground) {
    MpvOptions options;
    options.audioOutput = "null";
    options.videoOutput = "null";
    // Long enough for a generated file to load on a busy machine; the stalled one waits it once.
    options.loadTimeoutMs = 3000;
    engine_ = std::make_unique<MpvEngine>(options);
    CountingListener listener;
    engine_->setListener(&listener);

    // A pipe reached as a URL is handed to mpv, which waits for data that never comes.
    const QString fifo = test::makeFifo(dir_.path(), "stalled.ogg");
    const auto release = qScopeGuard([&] { test::releaseFifo(fifo); });
    const QString stalled = "file://" + fifo;
    for (int attempt = 0; attempt < 3; ++attempt) {
        EXPECT_EQ(failureNumber([&] { engine_->setFileName(stalled); }), 0);
        EXPECT_EQ(engine_->fileName(), stalled);
        EXPECT_EQ(engine_->position(), 0); // nothing has started
        EXPECT_EQ(engine_->duration(), -1);
        EXPECT_EQ(failureNumber([&] { engine_->play(); }), 0);
    }

    // While it is still running, the next file is only asked for: the call does not wait for
    // it (a still picture is known as such once it has loaded).
    engine_->setFileName(test::makePicture(dir_.path(), "first.png"));
    EXPECT_FALSE(engine_->showingPicture());
    // It replaces the stalled one and shows; the stalled one's end ends nothing.
    EXPECT_TRUE(waitUntil([&] { return engine_->showingPicture(); }));

    // Once nothing is left running, loads wait for their files again.
    engine_->setFileName(test::makePicture(dir_.path(), "second.png"));
    EXPECT_TRUE(engine_->showingPicture());
    const QString wav = test::makeWav(dir_.path(), "tone.wav", 3.0);
    engine_->setFileName(wav);
    EXPECT_TRUE(waitUntil([&] { return engine_->position() > 0.5; }));
    EXPECT_EQ(listener.ends, 0);
    EXPECT_LT(failureNumber([&] { engine_->setFileName(path("nowhere.wav")); }), 0);
}

TEST_F(MpvEngineTest, ReplacingAPlayingFileKeepsTheNewOnePlaying) {
    engine_->setFileName(test::makeWav(dir_.path(), "first.wav", 3.0));
    ASSERT_TRUE(waitUntil([&] { return engine_->position() > 0.2; }));

    // The first file's end arrives after the second was asked for; it must not end the second.
    const QString second = test::makeWav(dir_.path(), "second.wav", 3.0);
    engine_->setFileName(second);
    EXPECT_NEAR(engine_->duration(), 3.0, 0.1);
    EXPECT_TRUE(waitUntil([&] { return engine_->position() > 0.5; }));
    EXPECT_EQ(engine_->fileName(), second);
}

TEST_F(MpvEngineTest, StopReturnsToTheStartPausedAndSeeksStayPut) {
    engine_->setFileName(test::makeWav(dir_.path(), "tone.wav", 3.0));
    ASSERT_TRUE(waitUntil([&] { return engine_->position() > 0.3; }));

    engine_->stop();
    EXPECT_NEAR(engine_->position(), 0, 0.02);
    settle(300);
    EXPECT_NEAR(engine_->position(), 0, 0.02);

    engine_->setPosition(0.05);
    EXPECT_NEAR(engine_->position(), 0.05, 0.02);
    settle(300);
    EXPECT_NEAR(engine_->position(), 0.05, 0.02);

    engine_->play();
    EXPECT_TRUE(waitUntil([&] { return engine_->position() > 0.3; }));

    // Playing, a seek is read back at once.
    engine_->setPosition(2.0);
    EXPECT_NEAR(engine_->position(), 2.0, 0.15);
}

TEST_F(MpvEngineTest, PauseKeepsThePositionAndPlayResumes) {
    engine_->setFileName(test::makeWav(dir_.path(), "tone.wav", 3.0));
    ASSERT_TRUE(waitUntil([&] { return engine_->position() > 0.3; }));

    engine_->pause();
    const double paused = engine_->position();
    EXPECT_GT(paused, 0.2);
    settle(400);
    EXPECT_NEAR(engine_->position(), paused, 0.06);

    engine_->play();
    EXPECT_TRUE(waitUntil([&] { return engine_->position() > paused + 0.3; }));
}

TEST_F(MpvEngineTest, PlayAfterTheEndStartsTheFileAgain) {
    CountingListener listener;
    engine_->setListener(&listener);
    const QString wav = test::makeWav(dir_.path(), "short.wav", 1.5);
    engine_->setFileName(wav);
    ASSERT_TRUE(playsToEnd(0.5));
    ASSERT_TRUE(waitUntil([&] { return listener.durations == 1; }));

    engine_->play();
    EXPECT_EQ(engine_->fileName(), wav);
    EXPECT_TRUE(waitUntil([&] { return engine_->position() > 0.3; }));
    EXPECT_TRUE(waitUntil([&] { return listener.durations == 2; }));
}

TEST_F(MpvEngineTest, ListenerHearsAnEndOnlyWhenTheMediaPlaysOut) {
    CountingListener listener;
    engine_->setListener(&listener);

    // Heard without anyone polling the position.
    engine_->setFileName(test::makeWav(dir_.path(), "short.wav", 1.0));
    EXPECT_TRUE(waitUntil([&] { return listener.ends == 1; }));
    EXPECT_EQ(engine_->position(), 0);

    // A file replaced, stopped, closed or refused has not played out.
    engine_->setFileName(test::makeWav(dir_.path(), "a.wav", 3.0));
    engine_->setFileName(test::makeWav(dir_.path(), "b.wav", 3.0));
    engine_->stop();
    settle(300);
    engine_->close();
    EXPECT_LT(failureNumber([&] { engine_->setFileName(path("missing.wav")); }), 0);
    settle(500);
    EXPECT_EQ(listener.ends, 1);
}

TEST_F(MpvEngineTest, RefusedPositionsAndRatesFailWith380) {
    EXPECT_EQ(failureNumber([&] { engine_->setPosition(-1); }), err::InvalidValue);

    engine_->setFileName(test::makeWav(dir_.path(), "tone.wav", 3.0));
    EXPECT_EQ(failureNumber([&] { engine_->setPosition(-0.5); }), err::InvalidValue);

    engine_->setRate(2.0);
    EXPECT_DOUBLE_EQ(engine_->rate(), 2.0);
    EXPECT_EQ(failureNumber([&] { engine_->setRate(-1.0); }), err::InvalidValue);
    EXPECT_EQ(failureNumber([&] { engine_->setRate(0.0); }), err::InvalidValue);
    EXPECT_EQ(failureNumber([&] { engine_->setRate(1000.0); }), err::InvalidValue);
    EXPECT_DOUBLE_EQ(engine_->rate(), 2.0);
}

TEST_F(MpvEngineTest, ListenerHearsTheDurationOncePerFileFromTheEventLoop) {
    CountingListener listener;
    engine_->setListener(&listener);

    engine_->setFileName(test::makeWav(dir_.path(), "one.wav", 2.0));
    // Never inside the call: the listener may call back into the engine.
    EXPECT_EQ(listener.durations, 0);
    EXPECT_TRUE(waitUntil([&] { return listener.durations == 1; }));
    settle(300);
    EXPECT_EQ(listener.durations, 1);

    engine_->setFileName(test::makeMp3(dir_.path(), "two.mp3", 2.0));
    EXPECT_TRUE(waitUntil([&] { return listener.durations == 2; }));

    // A file that fails to open has no duration to report.
    EXPECT_LT(failureNumber([&] { engine_->setFileName(path("missing.wav")); }), 0);
    settle(300);
    EXPECT_EQ(listener.durations, 2);
}

TEST_F(MpvEngineTest, APictureStaysShownAndCountsTheSecondsOnScreen) {
    engine_->setFileName(test::makePicture(dir_.path(), "pattern.png"));
    EXPECT_TRUE(engine_->showingPicture());
    EXPECT_TRUE(waitUntil([&] { return engine_->position() > 0.3; }));
    const double shown = engine_->position();
    settle(300);
    EXPECT_GT(engine_->position(), shown);
    EXPECT_TRUE(engine_->showingPicture());

    engine_->stop();
    EXPECT_EQ(engine_->position(), 0);
    engine_->setPosition(5.0);
    settle(200);
    EXPECT_NEAR(engine_->position(), 5.0, 0.01);
    engine_->play();
    EXPECT_TRUE(waitUntil([&] { return engine_->position() > 5.2; }));

    // Other picture formats are pictures too.
    engine_->setFileName(test::makePicture(dir_.path(), "pattern.jpg"));
    EXPECT_TRUE(engine_->showingPicture());
    engine_->setFileName(test::makePicture(dir_.path(), "pattern.bmp"));
    EXPECT_TRUE(engine_->showingPicture());
    EXPECT_TRUE(waitUntil([&] { return engine_->position() > 0.1; }));
}

TEST_F(MpvEngineTest, StateFollowsTheMediaAndIsHeardFromTheEventLoop) {
    RecordingListener listener;
    engine_->setListener(&listener);
    EXPECT_EQ(engine_->state(), PlaybackState::Empty);

    const QString wav = test::makeWav(dir_.path(), "short.wav", 1.5);
    engine_->setFileName(wav);
    EXPECT_EQ(engine_->state(), PlaybackState::Playing);
    EXPECT_TRUE(listener.states.empty()); // never inside the call
    ASSERT_TRUE(waitUntil([&] { return listener.states.size() == 2; }));
    EXPECT_EQ(listener.states,
              (std::vector<PlaybackState>{PlaybackState::Loading, PlaybackState::Playing}));

    engine_->pause();
    EXPECT_EQ(engine_->state(), PlaybackState::Paused);
    engine_->play();
    EXPECT_EQ(engine_->state(), PlaybackState::Playing);
    engine_->stop();
    EXPECT_EQ(engine_->state(), PlaybackState::Paused);
    engine_->play();
    ASSERT_TRUE(waitUntil([&] { return engine_->state() == PlaybackState::Ended; }));
    EXPECT_EQ(engine_->position(), 0);
    ASSERT_TRUE(waitUntil([&] { return listener.states.size() == 7; }));
    EXPECT_EQ(listener.states,
              (std::vector<PlaybackState>{PlaybackState::Loading, PlaybackState::Playing,
                                          PlaybackState::Paused, PlaybackState::Playing,
                                          PlaybackState::Paused, PlaybackState::Playing,
                                          PlaybackState::Ended}));

    // A refused file ends at once; closing ends a playing one; an empty name empties.
    EXPECT_LT(failureNumber([&] { engine_->setFileName(path("missing.wav")); }), 0);
    EXPECT_EQ(engine_->state(), PlaybackState::Ended);
    engine_->setFileName(wav);
    engine_->close();
    EXPECT_EQ(engine_->state(), PlaybackState::Ended);
    engine_->setFileName(QString());
    EXPECT_EQ(engine_->state(), PlaybackState::Empty);
    // Each change is heard once, in order; the refused file's went when the next one loaded.
    ASSERT_TRUE(waitUntil([&] { return listener.states.back() == PlaybackState::Empty; }));
    settle(300);
    EXPECT_EQ(listener.states,
              (std::vector<PlaybackState>{
                  PlaybackState::Loading, PlaybackState::Playing, PlaybackState::Paused,
                  PlaybackState::Playing, PlaybackState::Paused, PlaybackState::Playing,
                  PlaybackState::Ended, PlaybackState::Loading, PlaybackState::Playing,
                  PlaybackState::Ended, PlaybackState::Empty}));
}

TEST_F(MpvEngineTest, DetailsDescribeTheOpenMedia) {
    RecordingListener listener;
    engine_->setListener(&listener);
    EXPECT_EQ(engine_->details(), MediaDetails());

    engine_->setFileName(test::makeH264Video(dir_.path(), "clip.mp4", 2, 320, 240, 25, 1));
    const MediaDetails video = engine_->details();
    EXPECT_TRUE(video.container.contains("mp4")) << video.container.toStdString();
    EXPECT_NEAR(video.duration, 2.0, 0.15);
    EXPECT_EQ(video.videoCodec, "h264");
    EXPECT_EQ(video.width, 320);
    EXPECT_EQ(video.height, 240);
    EXPECT_DOUBLE_EQ(video.frameRate, 25.0);
    EXPECT_GT(video.bitrate, 0);
    EXPECT_GT(video.videoBitrate, 0);
    EXPECT_LT(video.videoBitrate, video.bitrate);
    EXPECT_EQ(video.audioCodec, "aac");
    EXPECT_EQ(video.sampleRate, 44100);
    EXPECT_EQ(video.channels, 1);
    EXPECT_GT(video.audioBitrate, 0);
    EXPECT_TRUE(waitUntil([&] { return listener.heard.size() >= 2; }));

    const QString tagged =
        test::makeTaggedTone(dir_.path(), "song.mp3", 2.0,
                             {{"title", "星鲸之歌"}, {"artist", "Someone"}, {"album", "Deep Sea"}});
    engine_->setFileName(tagged);
    const MediaDetails song = engine_->details();
    EXPECT_EQ(song.container, "mp3");
    EXPECT_EQ(song.audioCodec, "mp3");
    EXPECT_EQ(song.sampleRate, 44100);
    EXPECT_EQ(song.channels, 1);
    EXPECT_GT(song.audioBitrate, 0);
    EXPECT_TRUE(song.videoCodec.isEmpty());
    EXPECT_EQ(song.width, 0);
    EXPECT_EQ(song.title, QStringLiteral("星鲸之歌"));
    EXPECT_EQ(song.artist, "Someone");
    EXPECT_EQ(song.album, "Deep Sea");

    const MediaDetails wav = [&] {
        engine_->setFileName(test::makeWav(dir_.path(), "tone.wav", 1.0));
        return engine_->details();
    }();
    EXPECT_EQ(wav.container, "wav");
    EXPECT_EQ(wav.audioCodec, "pcm_s16le");
    EXPECT_EQ(wav.audioBitrate, 44100 * 16);
    EXPECT_NEAR(wav.bitrate, 44100 * 16, 44100.0 * 16 / 50); // the header's few bytes
    EXPECT_EQ(wav.videoBitrate, 0);
    EXPECT_TRUE(wav.title.isEmpty());

    // Each loaded file is described once; the earlier files' notices went with them.
    ASSERT_TRUE(waitUntil(
        [&] { return std::count(listener.heard.begin(), listener.heard.end(), "details") == 2; }));
    settle(300);
    EXPECT_EQ(std::count(listener.heard.begin(), listener.heard.end(), "details"), 2);

    // Nothing loaded, nothing described.
    EXPECT_LT(failureNumber([&] { engine_->setFileName(path("missing.mp4")); }), 0);
    EXPECT_EQ(engine_->details(), MediaDetails());
}

TEST_F(MpvEngineTest, ASeekReturnsBeforeMpvHasGotThereAndReadsAsWritten) {
    RecordingListener listener;
    engine_->setListener(&listener);
    // A keyframe every 10 s: an exact seek to 9.5 s decodes most of them first.
    engine_->setFileName(test::makeH264Video(dir_.path(), "clip.mp4", 12, 1280, 720, 25, 10));
    engine_->pause();
    MpvWatch watch(engine_->handle());
    settle(500);
    watch.restarted(); // the load's own

    engine_->setPosition(9.5);
    EXPECT_FALSE(watch.restarted());
    EXPECT_EQ(engine_->position(), 9.5);
    EXPECT_TRUE(listener.seeks.empty());
    ASSERT_TRUE(waitUntil([&] { return watch.restarted(); }));
    EXPECT_NEAR(watch.number("time-pos"), 9.5, 0.05);
    EXPECT_TRUE(waitUntil([&] { return listener.seeks == std::vector<double>{9.5}; }));
    EXPECT_EQ(engine_->position(), 9.5);

    // Steps written faster than mpv gets there: each reads back as written, and the last is
    // where mpv ends up.
    for (double at = 9.41; at > 8.9; at -= 0.09) {
        engine_->setPosition(at);
        EXPECT_EQ(engine_->position(), at);
    }
    const double last = engine_->position();
    ASSERT_TRUE(
        waitUntil([&] { return !listener.seeks.empty() && listener.seeks.back() == last; }));
    EXPECT_NEAR(watch.number("time-pos"), last, 0.05);
    EXPECT_EQ(engine_->position(), last);

    // Stop returns to the start without waiting either.
    engine_->stop();
    EXPECT_EQ(engine_->position(), 0);
    EXPECT_TRUE(waitUntil([&] { return listener.seeks.back() == 0; }));
    EXPECT_EQ(engine_->position(), 0);
}

TEST_F(MpvEngineTest, CloseReleasesTheFile) {
    const QString wav = test::makeWav(dir_.path(), "tone.wav", 3.0);
    engine_->setFileName(wav);
    ASSERT_TRUE(waitUntil([&] { return engine_->position() > 0.2; }));

    engine_->close();
    EXPECT_EQ(engine_->position(), 0);
    settle(300);
    EXPECT_EQ(engine_->position(), 0);
}

TEST_F(MpvEngineTest, RunsNoneOfMpvsOwnScripts) {
    // A message reaches a client that exists: the probe below can tell one that is missing.
    mpv_handle* other = mpv_create_client(engine_->handle(), "listener");
    ASSERT_NE(other, nullptr);
    const auto gone = qScopeGuard([other] { mpv_destroy(other); });
    const char* toListener[] = {"script-message-to", "listener", "hello", nullptr};
    EXPECT_GE(mpv_command(engine_->handle(), toListener), 0);

    // Each of mpv's built-in scripts would hold a thread and an OSD renderer for keys and
    // profiles the player never uses.
    for (const char* script : {"stats", "console", "auto_profiles", "osc", "ytdl_hook"}) {
        const char* toScript[] = {"script-message-to", script, "hello", nullptr};
        EXPECT_LT(mpv_command(engine_->handle(), toScript), 0) << script << " is running";
    }
}

} // namespace
} // namespace xj
