#include "form/failure.h"
#include "support/engine_kinds.h"
#include "support/engine_probes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <type_traits>

// What every media engine promises the window model, run on the fake the behaviour tests use
// and on the libmpv engine the program uses, so that the fake cannot accept what the real one
// refuses.
namespace xj::test {
namespace {

template <typename Kind> class EngineContract : public ::testing::Test {
protected:
    MediaEngine& engine() { return kind.engine(); }
    double position() { return engine().position(); }
    bool waitUntil(const std::function<bool()>& done) { return kind.waitUntil(done); }
    bool waitForPosition(double beyond) {
        return waitUntil([&] { return position() > beyond; });
    }
    // Waits for the file to be heard beyond a point and then to read as ended. Without a sound
    // card the real engine ends a little early, so the point is well before the end.
    bool playsToEnd(double beyond) {
        double furthest = 0;
        return waitUntil([&] {
            const double at = position();
            furthest = std::max(furthest, at);
            return furthest > beyond && at == 0;
        });
    }

    Kind kind;
};

using Kinds = ::testing::Types<FakeEngineKind, MpvEngineKind>;

class KindNames {
public:
    template <typename Kind> static std::string GetName(int) {
        return std::is_same_v<Kind, FakeEngineKind> ? "Fake" : "Mpv";
    }
};

TYPED_TEST_SUITE(EngineContract, Kinds, KindNames);

TYPED_TEST(EngineContract, NothingLoadedReadsEmpty) {
    MediaEngine& engine = this->engine();
    EXPECT_EQ(engine.fileName(), QString());
    EXPECT_EQ(engine.position(), 0);
    EXPECT_EQ(engine.duration(), -1);
    EXPECT_EQ(engine.rate(), 1.0);
    // Nothing to play: the calls do nothing and fail nothing.
    EXPECT_EQ(failureNumber([&] { engine.play(); }), 0);
    EXPECT_EQ(failureNumber([&] { engine.pause(); }), 0);
    EXPECT_EQ(failureNumber([&] { engine.stop(); }), 0);
    EXPECT_EQ(failureNumber([&] { engine.setPosition(1.0); }), 0);
    EXPECT_EQ(engine.position(), 0);
    EXPECT_EQ(engine.duration(), -1);
}

TYPED_TEST(EngineContract, MissingAndUnplayableFilesFailAtOnceAndKeepTheirNames) {
    MediaEngine& engine = this->engine();
    CountingListener listener;
    engine.setListener(&listener);

    const QString missing = this->kind.missing("nowhere.wav");
    EXPECT_EQ(failureNumber([&] { engine.setFileName(missing); }), -13);
    EXPECT_EQ(engine.fileName(), missing);
    EXPECT_EQ(engine.position(), 0);
    EXPECT_EQ(engine.duration(), -1);
    // A position is accepted and changes nothing.
    EXPECT_EQ(failureNumber([&] { engine.setPosition(1.0); }), 0);
    EXPECT_EQ(engine.position(), 0);
    // Playing tries the same file again and fails the same way.
    EXPECT_EQ(failureNumber([&] { engine.play(); }), -13);
    EXPECT_EQ(engine.fileName(), missing);

    const QString garbage = this->kind.unplayable("noise.mp3");
    EXPECT_EQ(failureNumber([&] { engine.setFileName(garbage); }), -17);
    EXPECT_EQ(engine.fileName(), garbage);
    EXPECT_EQ(engine.position(), 0);
    EXPECT_EQ(engine.duration(), -1);
    EXPECT_EQ(failureNumber([&] { engine.play(); }), -17);

    // A good file after a failure plays.
    const QString tone = this->kind.audio("tone.wav", 2.0);
    engine.setFileName(tone);
    EXPECT_EQ(engine.fileName(), tone);
    EXPECT_NEAR(engine.duration(), 2.0, 0.1);
    EXPECT_TRUE(this->waitForPosition(0.2));
    // Failures had no duration to report.
    EXPECT_TRUE(this->waitUntil([&] { return listener.durations == 1; }));

    // And a failure after it leaves nothing of it behind.
    EXPECT_EQ(failureNumber([&] { engine.setFileName(missing); }), -13);
    EXPECT_EQ(engine.position(), 0);
    EXPECT_EQ(engine.duration(), -1);
    this->kind.pass(300);
    EXPECT_EQ(engine.position(), 0);
    EXPECT_EQ(listener.ends, 0);
}

TYPED_TEST(EngineContract, PositionReadsZeroOnceTheMediaHasPlayedToItsEnd) {
    MediaEngine& engine = this->engine();
    CountingListener listener;
    engine.setListener(&listener);
    const QString tone = this->kind.audio("tone.wav", 1.5);
    engine.setFileName(tone);
    // Duration is known once the file has opened.
    EXPECT_NEAR(engine.duration(), 1.5, 0.1);

    ASSERT_TRUE(this->playsToEnd(0.5));
    EXPECT_EQ(engine.position(), 0);
    EXPECT_TRUE(this->waitUntil([&] { return listener.ends == 1; }));
    // The control keeps its file and what it knows of it.
    EXPECT_EQ(engine.fileName(), tone);
    EXPECT_NEAR(engine.duration(), 1.5, 0.1);

    // A position written now is accepted and changes nothing.
    EXPECT_EQ(failureNumber([&] { engine.setPosition(1.0); }), 0);
    EXPECT_EQ(engine.position(), 0);
    this->kind.pass(200);
    EXPECT_EQ(engine.position(), 0);

    // Play starts the file again, and it ends again.
    const int durations = listener.durations;
    engine.play();
    EXPECT_EQ(listener.durations, durations);
    EXPECT_EQ(engine.fileName(), tone);
    EXPECT_TRUE(this->waitForPosition(0.2));
    ASSERT_TRUE(this->playsToEnd(0.5));
    EXPECT_TRUE(this->waitUntil([&] { return listener.ends == 2; }));
    EXPECT_EQ(listener.durations, 2);
}

TYPED_TEST(EngineContract, StopReturnsToTheStartPausedAndKeepsTheFile) {
    MediaEngine& engine = this->engine();
    const QString tone = this->kind.audio("tone.wav", 2.0);
    engine.setFileName(tone);
    ASSERT_TRUE(this->waitForPosition(0.3));

    engine.stop();
    EXPECT_NEAR(engine.position(), 0, 0.02);
    this->kind.pass(300);
    EXPECT_NEAR(engine.position(), 0, 0.02);
    EXPECT_EQ(engine.fileName(), tone);
    EXPECT_NEAR(engine.duration(), 2.0, 0.1);

    // Play goes on from the start.
    engine.play();
    EXPECT_TRUE(this->waitForPosition(0.3));
}

TYPED_TEST(EngineContract, PauseKeepsThePositionAndPlayResumes) {
    MediaEngine& engine = this->engine();
    engine.setFileName(this->kind.audio("tone.wav", 2.0));
    ASSERT_TRUE(this->waitForPosition(0.3));

    engine.pause();
    const double paused = engine.position();
    EXPECT_GT(paused, 0.2);
    this->kind.pass(400);
    EXPECT_NEAR(engine.position(), paused, 0.06);

    engine.play();
    EXPECT_TRUE(this->waitForPosition(paused + 0.3));

    // A file loaded while paused plays.
    engine.pause();
    engine.setFileName(this->kind.audio("other.wav", 2.0));
    EXPECT_TRUE(this->waitForPosition(0.3));
}

TYPED_TEST(EngineContract, SeeksWhilePausedReadBackAsWrittenAndWhilePlayingGoOnFromThere) {
    MediaEngine& engine = this->engine();
    engine.setFileName(this->kind.audio("tone.wav", 2.0));
    ASSERT_TRUE(this->waitForPosition(0.2));

    engine.pause();
    engine.setPosition(1.25);
    EXPECT_DOUBLE_EQ(engine.position(), 1.25);
    this->kind.pass(300);
    EXPECT_DOUBLE_EQ(engine.position(), 1.25);
    engine.setPosition(0.05);
    EXPECT_DOUBLE_EQ(engine.position(), 0.05);
    engine.setPosition(0.75);
    EXPECT_DOUBLE_EQ(engine.position(), 0.75);

    // Play goes on from the position written.
    engine.play();
    EXPECT_TRUE(this->waitForPosition(0.95));
    EXPECT_LT(engine.position(), 1.75);

    // Playing, a seek back lands where it was written and playback goes on from there.
    engine.setPosition(0.1);
    EXPECT_TRUE(this->waitUntil([&] { return engine.position() < 0.9; }));
    EXPECT_GE(engine.position(), 0.1);
    EXPECT_TRUE(this->waitForPosition(0.4));
}

TYPED_TEST(EngineContract, ASeekPastTheEndEndsTheMediaPausedOrPlaying) {
    MediaEngine& engine = this->engine();
    CountingListener listener;
    engine.setListener(&listener);
    const QString tone = this->kind.audio("tone.wav", 2.0);
    engine.setFileName(tone);
    ASSERT_TRUE(this->waitForPosition(0.2));

    engine.pause();
    EXPECT_EQ(failureNumber([&] { engine.setPosition(5.0); }), 0);
    EXPECT_TRUE(this->waitUntil([&] { return engine.position() == 0 && listener.ends == 1; }));
    EXPECT_EQ(engine.fileName(), tone);
    // Play then starts the file again.
    engine.play();
    EXPECT_TRUE(this->waitForPosition(0.2));
    EXPECT_LT(engine.position(), 1.5);

    EXPECT_EQ(failureNumber([&] { engine.setPosition(5.0); }), 0);
    EXPECT_TRUE(this->waitUntil([&] { return engine.position() == 0 && listener.ends == 2; }));
}

TYPED_TEST(EngineContract, APositionBeforeTheStartFailsWith380) {
    MediaEngine& engine = this->engine();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(failureNumber([&] { engine.setPosition(-1); }), err::InvalidValue);

    engine.setFileName(this->kind.audio("tone.wav", 2.0));
    engine.pause();
    engine.setPosition(0.5);
    for (const double refused : {-0.5, -0.001, nan}) {
        SCOPED_TRACE(refused);
        EXPECT_EQ(failureNumber([&] { engine.setPosition(refused); }), err::InvalidValue);
        EXPECT_DOUBLE_EQ(engine.position(), 0.5);
    }
    // The start itself is a position.
    EXPECT_EQ(failureNumber([&] { engine.setPosition(0); }), 0);
    EXPECT_DOUBLE_EQ(engine.position(), 0);
}

TYPED_TEST(EngineContract, RatesAreAcceptedAndRefusedAtBothEndsOfTheRange) {
    MediaEngine& engine = this->engine();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const auto refusals = [&](double kept) {
        for (const double refused : {0.0099, 0.005, 0.0, -0.01, -1.0, 100.01, 1000.0, nan, inf}) {
            SCOPED_TRACE(refused);
            EXPECT_EQ(failureNumber([&] { engine.setRate(refused); }), err::InvalidValue);
            EXPECT_DOUBLE_EQ(engine.rate(), kept);
        }
    };

    // With nothing loaded and with a file playing alike.
    for (const bool loaded : {false, true}) {
        SCOPED_TRACE(loaded ? "loaded" : "empty");
        if (loaded) engine.setFileName(this->kind.audio("tone.wav", 2.0));
        engine.setRate(0.01);
        EXPECT_DOUBLE_EQ(engine.rate(), 0.01);
        refusals(0.01);
        engine.setRate(100);
        EXPECT_DOUBLE_EQ(engine.rate(), 100);
        refusals(100);
        engine.setRate(0.5);
        EXPECT_DOUBLE_EQ(engine.rate(), 0.5);
    }

    // The rate is the engine's, not the file's: it is kept for the next file.
    engine.setFileName(this->kind.audio("other.wav", 2.0));
    EXPECT_DOUBLE_EQ(engine.rate(), 0.5);

    // The slowest rate is applied: a second passes in a hundredth of one.
    ASSERT_TRUE(this->waitForPosition(0.1));
    engine.setRate(0.01);
    const double slow = engine.position();
    this->kind.pass(1000);
    EXPECT_LT(engine.position(), slow + 0.1);
    EXPECT_GT(engine.position(), 0);
}

TYPED_TEST(EngineContract, DurationReadsMinusOneUntilKnown) {
    MediaEngine& engine = this->engine();
    CountingListener listener;
    engine.setListener(&listener);
    EXPECT_EQ(engine.duration(), -1);

    engine.setFileName(this->kind.audio("tone.wav", 2.0));
    EXPECT_NEAR(engine.duration(), 2.0, 0.1);
    // Never inside the call: the listener may call back into the engine.
    EXPECT_EQ(listener.durations, 0);
    EXPECT_TRUE(this->waitUntil([&] { return listener.durations == 1; }));

    // Heard once per file.
    engine.setFileName(this->kind.audio("longer.wav", 3.0));
    EXPECT_NEAR(engine.duration(), 3.0, 0.1);
    EXPECT_TRUE(this->waitUntil([&] { return listener.durations == 2; }));
    this->kind.pass(300);
    EXPECT_EQ(listener.durations, 2);
}

TYPED_TEST(EngineContract, APictureCountsTheSecondsShownAndNeverEnds) {
    MediaEngine& engine = this->engine();
    CountingListener listener;
    engine.setListener(&listener);
    const QString picture = this->kind.picture("pattern.png");
    engine.setFileName(picture);
    // A picture has no length of its own (libmpv may know that only once it is shown).
    EXPECT_TRUE(this->waitUntil([&] { return engine.duration() != -1; }));
    EXPECT_EQ(engine.duration(), 0);

    // Shown for longer than any of the tones here: its position only grows.
    double last = 0;
    bool grew = true;
    ASSERT_TRUE(this->waitUntil([&] {
        const double at = engine.position();
        grew = grew && at >= last;
        last = at;
        return at > 2.5;
    }));
    EXPECT_TRUE(grew);
    EXPECT_EQ(listener.ends, 0);
    EXPECT_EQ(listener.durations, 1);
    EXPECT_EQ(engine.fileName(), picture);

    // Paused, the count waits.
    engine.pause();
    const double paused = engine.position();
    this->kind.pass(300);
    EXPECT_DOUBLE_EQ(engine.position(), paused);

    // Stop and seeks work on the count.
    engine.stop();
    EXPECT_EQ(engine.position(), 0);
    engine.setPosition(5.0);
    EXPECT_DOUBLE_EQ(engine.position(), 5.0);
    EXPECT_EQ(failureNumber([&] { engine.setPosition(-1); }), err::InvalidValue);
    engine.play();
    EXPECT_TRUE(this->waitForPosition(5.2));
    EXPECT_EQ(listener.ends, 0);

    // Another entry replaces it without an end.
    engine.setFileName(this->kind.audio("tone.wav", 2.0));
    EXPECT_LT(engine.position(), 1.0);
    EXPECT_TRUE(this->waitForPosition(0.2));
    EXPECT_EQ(listener.ends, 0);
}

TYPED_TEST(EngineContract, AnEmptyFileNameClosesTheFile) {
    MediaEngine& engine = this->engine();
    engine.setFileName(this->kind.audio("tone.wav", 2.0));
    ASSERT_TRUE(this->waitForPosition(0.2));

    EXPECT_EQ(failureNumber([&] { engine.setFileName(QString()); }), 0);
    EXPECT_EQ(engine.fileName(), QString());
    EXPECT_EQ(engine.position(), 0);
    // Nothing to play.
    EXPECT_EQ(failureNumber([&] { engine.play(); }), 0);
    this->kind.pass(300);
    EXPECT_EQ(engine.position(), 0);
}

TYPED_TEST(EngineContract, CloseReleasesTheFile) {
    MediaEngine& engine = this->engine();
    CountingListener listener;
    engine.setListener(&listener);
    engine.setFileName(this->kind.audio("tone.wav", 1.5));
    ASSERT_TRUE(this->waitForPosition(0.2));

    engine.close();
    EXPECT_EQ(engine.position(), 0);
    this->kind.pass(1500);
    EXPECT_EQ(engine.position(), 0);
    // Closing is not playing out.
    EXPECT_EQ(listener.ends, 0);
}

TYPED_TEST(EngineContract, NothingOpenHasNoDuration) {
    MediaEngine& engine = this->engine();
    const QString tone = this->kind.audio("tone.wav", 2.0);
    engine.setFileName(tone);
    engine.close();
    EXPECT_EQ(engine.duration(), -1);

    engine.setFileName(tone);
    engine.setFileName(QString());
    EXPECT_EQ(engine.duration(), -1);
}

} // namespace
} // namespace xj::test
