#include "form/failure.h"
#include "platform/mpv_engine.h"
#include "support/engine_probes.h"
#include "support/event_loop.h"
#include "support/media_files.h"
#include "support/mpv_watch.h"

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>
#include <mpv/client.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

// Speed and reverse play on the libmpv engine with the program's own outputs (without a view
// the "libmpv" video output gives way to null).
namespace xj {
namespace {

using Clock = std::chrono::steady_clock;
using test::failureNumber;
using test::MpvWatch;

bool waitUntil(const std::function<bool()>& done, int ms = 8000) {
    return test::processEventsUntil(done, ms);
}

void settle(int ms) {
    waitUntil([] { return false; }, ms);
}

// The player's reverse play: every 60 ms the position is read and written back 0.09 s earlier;
// when that is refused, the start is written and normal speed set again.
constexpr int kTickMs = 60;
constexpr double kStep = 0.09;
// A frame at 25 fps, and a little: how close a finished exact seek lands to its target.
constexpr double kFrame = 0.05;

struct ReverseRun {
    std::vector<double> reads;   // the position at each step
    std::vector<double> written; // every position written, the start included
    std::vector<double> shown;   // mpv's position each time it finished a seek
    int refusal = 0;
};

ReverseRun playBackwards(MpvEngine& engine, MpvWatch& watch) {
    ReverseRun run;
    run.written.push_back(engine.position());
    QEventLoop loop;
    // Taken often, so that mpv's position is read before the engine sends the next seek.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (watch.restarted()) run.shown.push_back(watch.number("time-pos"));
    });
    QTimer step;
    step.setTimerType(Qt::PreciseTimer);
    QObject::connect(&step, &QTimer::timeout, [&] {
        const double at = engine.position();
        run.reads.push_back(at);
        run.refusal = failureNumber([&] { engine.setPosition(at - kStep); });
        if (run.refusal == 0) {
            run.written.push_back(at - kStep);
            return;
        }
        engine.setPosition(0);
        run.written.push_back(0);
        engine.setRate(1.0);
        loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit); // a bound, should it never end
    poll.start(1);
    step.start(kTickMs);
    loop.exec();
    return run;
}

bool nearAnyOf(double value, const std::vector<double>& targets, double tolerance) {
    return std::any_of(targets.begin(), targets.end(),
                       [&](double target) { return std::abs(value - target) <= tolerance; });
}

// Hears where the engine's seeks arrived.
class ArrivalListener : public MediaListener {
public:
    void durationKnown() override {}
    void playbackEnded() override {}
    void seeked(double seconds) override { arrived.push_back(seconds); }
    std::vector<double> arrived;
};

class SpeedEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::application();
        ASSERT_TRUE(dir_.isValid());
        MpvOptions options;
        options.audioOutput = "null";
        options.loadTimeoutMs = 10000; // a busy machine must not turn a slow open into a failure
        engine_ = std::make_unique<MpvEngine>(options);
        engine_->setListener(&listener_);
    }

    // Until the engine says that the last position written is the one playing; mpv's own
    // position reads the target already while it is still on its way.
    bool arrivedAt(double seconds, int ms = 8000) {
        return waitUntil(
            [&] { return !listener_.arrived.empty() && listener_.arrived.back() == seconds; }, ms);
    }

    // A keyframe only at the start: every exact seek back decodes from there.
    QString video() { return test::makeH264Video(dir_.path(), "clip.mp4", 10, 320, 240, 25, 10); }
    QString song() { return test::makeMp3(dir_.path(), "tone.mp3", 10); }

    QTemporaryDir dir_;
    ArrivalListener listener_;
    std::unique_ptr<MpvEngine> engine_;
};

TEST_F(SpeedEngineTest, RatesAreAcceptedAcrossMpvsWholeRangeAndRefusedBeyondIt) {
    engine_->setFileName(test::makeWav(dir_.path(), "tone.wav", 3.0));
    MpvWatch watch(engine_->handle());
    for (const double rate : {0.01, 100.0, 0.5}) {
        SCOPED_TRACE(rate);
        engine_->setRate(rate);
        EXPECT_EQ(engine_->rate(), rate);
        // mpv took it too.
        EXPECT_TRUE(waitUntil([&] { return watch.number("speed") == rate; }));
    }
    for (const double refused : {0.01 - 0.001, 0.0099, 100.0 + 10, 100.01, std::nan("")}) {
        SCOPED_TRACE(refused);
        EXPECT_EQ(failureNumber([&] { engine_->setRate(refused); }), err::InvalidValue);
        EXPECT_EQ(engine_->rate(), 0.5);
        // The engine's range is mpv's: mpv itself refuses the step beyond either end.
        double value = refused;
        if (!std::isnan(refused)) {
            EXPECT_LT(mpv_set_property(watch.client(), "speed", MPV_FORMAT_DOUBLE, &value), 0);
        }
    }
    settle(200);
    EXPECT_EQ(watch.number("speed"), 0.5);
}

TEST_F(SpeedEngineTest, AtOneAndAHalfThePositionRunsOneAndAHalfTimesTheClock) {
    for (const QString& file : {video(), song()}) {
        SCOPED_TRACE(file.toStdString());
        engine_->setFileName(file);
        engine_->setRate(1.5);
        ASSERT_TRUE(waitUntil([&] { return engine_->position() > 0.3; }));
        const double from = engine_->position();
        const auto start = Clock::now();
        settle(4000);
        const double moved = engine_->position() - from;
        const std::chrono::duration<double> wall = Clock::now() - start;
        EXPECT_NEAR(moved / wall.count(), 1.5, 1.5 * 0.05);
    }
}

TEST_F(SpeedEngineTest, ReversePlayStepsBackToTheStartAndThePictureFollows) {
    for (const bool withVideo : {true, false}) {
        SCOPED_TRACE(withVideo ? "video" : "mp3");
        engine_->setFileName(withVideo ? video() : song());
        MpvWatch watch(engine_->handle());
        // Paused, mpv's clock of a file without video may read behind by what its audio output
        // holds; playing from there starts at the position written all the same.
        const double near = kFrame + (withVideo ? 0 : watch.number("audio-buffer"));
        engine_->pause();
        engine_->setPosition(4.0);
        ASSERT_TRUE(arrivedAt(4.0));
        watch.restarted();
        EXPECT_NEAR(watch.number("time-pos"), 4.0, near);

        const ReverseRun run = playBackwards(*engine_, watch);
        EXPECT_EQ(run.refusal, err::InvalidValue);
        ASSERT_GT(run.reads.size(), 10u);
        EXPECT_DOUBLE_EQ(run.reads.front(), 4.0);
        // Each step reads back what the one before wrote, down to the last step before 0.
        for (size_t i = 1; i < run.reads.size(); ++i)
            EXPECT_NEAR(run.reads[i], run.reads[i - 1] - kStep, 1e-9) << "step " << i;
        EXPECT_LT(run.reads.back(), kStep);
        EXPECT_EQ(run.written.back(), 0);

        // Left paused at the start, at normal speed, and mpv got there.
        EXPECT_EQ(engine_->position(), 0);
        EXPECT_EQ(engine_->state(), PlaybackState::Paused);
        EXPECT_EQ(engine_->rate(), 1.0);
        EXPECT_TRUE(arrivedAt(0));
        settle(300);
        EXPECT_NEAR(watch.number("time-pos"), 0, near);
        EXPECT_TRUE(watch.flag("pause"));
        EXPECT_EQ(engine_->state(), PlaybackState::Paused);
        EXPECT_EQ(engine_->position(), 0);

        // The picture went back step by step, each one where a step put it (exact seeks, not
        // the keyframe at the start).
        ASSERT_GE(run.shown.size(), 3u);
        for (size_t i = 0; i < run.shown.size(); ++i) {
            EXPECT_TRUE(nearAnyOf(run.shown[i], run.written, near)) << run.shown[i];
            if (i > 0) {
                EXPECT_LE(run.shown[i], run.shown[i - 1] + kFrame) << "picture " << i;
            }
        }
    }
}

TEST_F(SpeedEngineTest, ReversePlayLetsASlowSeekFinishSoThePictureMoves) {
    // A long stretch without keyframes and a decoder held to 8 times real time: an exact seek
    // to t s takes t / 8 s, beyond 8 s longer than a second.
    engine_->setFileName(test::makeH264Video(dir_.path(), "long.mp4", 20, 160, 120, 25, 20));
    MpvWatch watch(engine_->handle());
    ASSERT_GE(mpv_set_property_string(watch.client(), "vf", "lavfi=[realtime=speed=8]"), 0);
    engine_->pause();
    engine_->setPosition(16.0);
    ASSERT_TRUE(arrivedAt(16.0, 20000));
    watch.restarted();
    const int seeksBefore = watch.seeks;
    const int restartsBefore = watch.restarts;

    const ReverseRun run = playBackwards(*engine_, watch);
    ASSERT_EQ(run.refusal, err::InvalidValue);
    ASSERT_TRUE(arrivedAt(0));
    watch.restarted();
    // Each seek mpv began was shown before the next replaced it.
    EXPECT_EQ(watch.seeks - seeksBefore, watch.restarts - restartsBefore);
    // The picture went back all along, not only once the seeks had become quick.
    ASSERT_FALSE(run.shown.empty());
    EXPECT_GT(run.shown.front(), 8.0);
}

} // namespace
} // namespace xj
