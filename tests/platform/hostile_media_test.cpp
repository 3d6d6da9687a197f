#include "platform/mpv_engine.h"
#include "support/engine_probes.h"
#include "support/event_loop.h"
#include "support/media_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace xj {
namespace {

using test::failureNumber;

// Ticks on the thread under test: the longest gap between two ticks is the longest time that
// thread, the GUI thread in the program, was held by one call.
class Heartbeat {
public:
    Heartbeat() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout,
                         [this] { longest_ = std::max(longest_, clock_.restart()); });
        clock_.start();
        timer_.start();
    }
    qint64 longestGapMs() const { return longest_; }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

class HostileMediaTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::application();
        ASSERT_TRUE(dir_.isValid());
        options_.audioOutput = "null";
        options_.videoOutput = "null";
        // Long enough that a busy machine never makes a good file miss it.
        options_.loadTimeoutMs = 8000;
        engine_ = std::make_unique<MpvEngine>(options_);
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

    // Runs the call from the event loop, as a click would, and gives its failure number.
    int fromEventLoop(const std::function<void()>& call) {
        int number = 0;
        bool done = false;
        QTimer::singleShot(0, [&] {
            number = failureNumber(call);
            done = true;
        });
        test::processEventsUntil([&] { return done; }, 60000);
        return number;
    }

    QTemporaryDir dir_;
    MpvOptions options_;
    std::unique_ptr<MpvEngine> engine_;
};

TEST_F(HostileMediaTest, BrokenFilesFailAtOnceAndTheThreadIsNeverHeldPastTheLoadWait) {
    QFile empty(path("empty.mp3"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    // Cut off before the index that ffmpeg writes at the end of an MP4.
    const QString whole = test::makeVideo(dir_.path(), "whole.mp4", 2.0);
    const QString truncated =
        test::makeTruncated(whole, dir_.path(), "truncated.mp4", QFileInfo(whole).size() / 2);
    const QString noise = test::makeGarbage(dir_.path(), "noise.avi", 256 * 1024);
    const QString folder = path("x.mp3");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString fifo = test::makeFifo(dir_.path(), "y.mp3");
    const auto release = qScopeGuard([&] { test::releaseFifo(fifo); });
    const QString gone = test::makeWav(dir_.path(), "gone.wav", 1.0);
    const QString wav = test::makeWav(dir_.path(), "tone.wav", 3.0);

    Heartbeat heartbeat;
    // Playing while the next file fails: what played goes, the failure comes at once.
    ASSERT_EQ(fromEventLoop([&] { engine_->setFileName(wav); }), 0);
    ASSERT_TRUE(test::processEventsUntil([&] { return engine_->position() > 0.2; }, 8000));
    ASSERT_TRUE(QFile::remove(gone)); // added to the list, then deleted
    for (const QString& entry :
         {QFileInfo(empty).filePath(), truncated, noise, folder, fifo, gone}) {
        SCOPED_TRACE(entry.toStdString());
        EXPECT_LT(fromEventLoop([&] { engine_->setFileName(entry); }), 0);
        EXPECT_EQ(engine_->position(), 0);
        EXPECT_EQ(engine_->duration(), -1);
        EXPECT_LT(fromEventLoop([&] { engine_->play(); }), 0);
        EXPECT_EQ(engine_->position(), 0);
    }
    EXPECT_FALSE(test::releaseFifo(fifo)) << "something is still opening the pipe";

    ASSERT_EQ(fromEventLoop([&] { engine_->setFileName(wav); }), 0);
    EXPECT_TRUE(test::processEventsUntil([&] { return engine_->position() > 0.2; }, 8000));
    EXPECT_LT(heartbeat.longestGapMs(), options_.loadTimeoutMs);
}

TEST_F(HostileMediaTest, AWavWhoseHeaderClaimsTenHoursPlaysWhatItHoldsAndEnds) {
    const QString liar = test::makeLyingWav(dir_.path(), "liar.wav", 10 * 3600, 2.0);
    test::CountingListener listener;
    engine_->setListener(&listener);

    Heartbeat heartbeat;
    ASSERT_EQ(fromEventLoop([&] { engine_->setFileName(liar); }), 0);
    double furthest = 0;
    // It plays what it holds, then reads as ended, as the status timer looks for.
    const bool ended = test::processEventsUntil(
        [&] {
            const double at = engine_->position();
            furthest = std::max(furthest, at);
            return furthest > 0.5 && at == 0;
        },
        20000);
    EXPECT_TRUE(ended) << "furthest " << furthest << " s";
    EXPECT_LT(furthest, 10.0);
    // Its end is heard from the event loop, once.
    EXPECT_TRUE(test::processEventsUntil([&] { return listener.ends > 0; }, 5000));
    EXPECT_EQ(listener.ends, 1);
    // Play starts it again from the top.
    EXPECT_EQ(fromEventLoop([&] { engine_->play(); }), 0);
    EXPECT_TRUE(test::processEventsUntil([&] { return engine_->position() > 0.2; }, 8000));
    EXPECT_LT(heartbeat.longestGapMs(), options_.loadTimeoutMs);
}

} // namespace
} // namespace xj
