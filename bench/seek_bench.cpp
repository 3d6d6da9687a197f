// Run: build/bench/seek_bench
// Reverse play's step while paused: every 60 ms the position is read and written back 0.09 s
// earlier. Reported per medium:
//   blocked_ms_median / blocked_ms_p90  how long one step keeps the calling (user-interface)
//                                       thread, reading and writing the position included
//   lag_s_median / lag_s_p90            at each tick, how far the picture mpv has finished
//                                       seeking to (its time-pos once it reports the restart
//                                       of playback) is from the position last written
//   reads_written                       1 when every read right after a write gave it back
// The 720p H.264 clip has a keyframe every 10 s and the steps run 9.5 s past one, so each exact
// seek decodes most of those 10 s.
#include "platform/mpv_engine.h"
#include "support/media_files.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>
#include <mpv/client.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTickMs = 60;
constexpr double kStep = 0.09;
constexpr int kSteps = 60;
constexpr double kStart = 19.5;

const QTemporaryDir& mediaDir() {
    static QTemporaryDir dir;
    return dir;
}

QString medium(const QString& name) {
    const QString dir = mediaDir().path();
    if (name.endsWith(".mp4")) return xj::test::makeH264Video(dir, name, 25, 1280, 720, 25, 10);
    if (name.endsWith(".mp3")) return xj::test::makeMp3(dir, name, 25);
    return xj::test::makeWav(dir, name, 25);
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(std::lround(p * static_cast<double>(values.size() - 1)));
    return values[index];
}

// Runs the event loop (where the engine handles mpv's events) until the deadline. `each` runs
// first in every round and last of all, so it sees mpv's events before the engine can act on
// them (the engine sends a waiting seek as soon as it hears the last one has finished).
void runEventsUntil(const QDeadlineTimer& deadline, const std::function<void()>& each) {
    for (;;) {
        each();
        if (deadline.hasExpired()) return;
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
}

// A second client of the same mpv core sees the seeks finish without taking the engine's
// events.
class SeekWatch {
public:
    explicit SeekWatch(mpv_handle* core) : client_(mpv_create_client(core, "bench")) {}
    ~SeekWatch() { mpv_destroy(client_); }
    SeekWatch(const SeekWatch&) = delete;
    SeekWatch& operator=(const SeekWatch&) = delete;

    // The position of the last finished seek, once one has finished since the last call.
    bool finished(double& shown) {
        bool any = false;
        for (;;) {
            const mpv_event* event = mpv_wait_event(client_, 0);
            if (event->event_id == MPV_EVENT_NONE) break;
            if (event->event_id == MPV_EVENT_PLAYBACK_RESTART) any = true;
        }
        if (any) mpv_get_property(client_, "time-pos", MPV_FORMAT_DOUBLE, &shown);
        return any;
    }

private:
    mpv_handle* client_;
};

void ReverseStepWhilePaused(benchmark::State& state, const char* name) {
    const QString path = medium(QString::fromLatin1(name));
    xj::MpvOptions options;
    options.audioOutput = "null";
    options.videoOutput = "null";
    options.loadTimeoutMs = 10000;
    xj::MpvEngine engine(options);
    std::vector<double> blocked, lags;
    bool readsWritten = true;

    for (auto _ : state) {
        engine.setFileName(path);
        engine.pause();
        engine.setPosition(kStart);
        SeekWatch watch(engine.handle());
        double shown = kStart, written = kStart;
        // Let the first seek finish: every step below starts from a settled picture.
        runEventsUntil(QDeadlineTimer(3000), [&] { watch.finished(shown); });

        QDeadlineTimer tick(kTickMs, Qt::PreciseTimer);
        for (int i = 0; i < kSteps; ++i) {
            runEventsUntil(tick, [&] { watch.finished(shown); });
            tick = QDeadlineTimer(kTickMs, Qt::PreciseTimer);
            lags.push_back(std::abs(written - shown));

            const auto start = Clock::now();
            written = engine.position() - kStep;
            engine.setPosition(written);
            blocked.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            readsWritten = readsWritten && std::abs(engine.position() - written) < 1e-9;
        }
    }
    state.counters["blocked_ms_median"] = percentile(blocked, 0.5);
    state.counters["blocked_ms_p90"] = percentile(blocked, 0.9);
    state.counters["lag_s_median"] = percentile(lags, 0.5);
    state.counters["lag_s_p90"] = percentile(lags, 0.9);
    state.counters["reads_written"] = readsWritten ? 1 : 0;
}
BENCHMARK_CAPTURE(ReverseStepWhilePaused, h264_720p_gop10s, "clip.mp4")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReverseStepWhilePaused, mp3, "tone.mp3")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReverseStepWhilePaused, wav, "tone.wav")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
