// Run: xvfb-run -a env QT_QPA_PLATFORM=xcb build/bench/reverse_pace
// (without a display, QT_QPA_PLATFORM=offscreen draws with the software view instead).
// Reverse play as the player does it, through the program's own video view: the engine is
// paused and every 60 ms its position is read and written back 0.09 s earlier, 1.5 times real
// time backwards, for 5 s from 19.5 s into the medium. Reported per medium:
//   written_pace    media seconds the written position (what the time display shows) moved
//                   back per wall second, divided by 1.5; 1 is full pace
//   picture_pace    the same for the picture: where the last seek mpv finished within the 5 s
//                   landed (its time-pos at the restart of playback, the frame shown)
//   pictures_per_s  seeks mpv finished per wall second: new pictures shown
//   paints_per_s    repaints of the view per wall second
//   cpu_ms_per_picture  the process's processor time (all its threads: decoding, rendering)
//                   over the 5 s per picture shown; less sensitive than the paces to other
//                   programs sharing the machine, so the one to compare mpv options by
//   opengl          1 when the view drew with OpenGL, 0 for the software view
// The 1080p clip is x264 at its default preset with a keyframe every 250 frames (10 s at
// 25 fps), so every exact seek decodes from 10 s up to its target; the 360p clip likewise.
// XJ_BENCH_MPV="name=value,..." sets mpv options on the engine before each file is opened,
// to try them without building again.
#include "desktop/video_view.h"
#include "platform/mpv_engine.h"
#include "support/media_files.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QOpenGLWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <mpv/client.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <time.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTickMs = 60;
constexpr double kStep = 0.09;
constexpr double kNominal = kStep * 1000 / kTickMs;
constexpr double kStart = 19.5;
constexpr int kRunMs = 5000;

const QTemporaryDir& mediaDir() {
    static QTemporaryDir dir;
    return dir;
}

QString medium(const QString& name) {
    const QString dir = mediaDir().path();
    if (name == "1080p.mp4")
        return xj::test::makeH264Video(dir, name, 20, 1920, 1080, 25, 10, "medium");
    if (name == "360p.mp4")
        return xj::test::makeH264Video(dir, name, 20, 640, 360, 25, 10, "medium");
    return xj::test::makeMp3(dir, name, 20);
}

void applyTrialOptions(mpv_handle* mpv) {
    const QString trial = qEnvironmentVariable("XJ_BENCH_MPV");
    for (const QString& setting : trial.split(',', Qt::SkipEmptyParts)) {
        const QByteArray name = setting.section('=', 0, 0).toUtf8();
        const QByteArray value = setting.section('=', 1).toUtf8();
        if (mpv_set_property_string(mpv, name.constData(), value.constData()) < 0)
            qFatal("mpv refused %s", setting.toUtf8().constData());
    }
}

// Where mpv finished each seek, read on a thread of its own the moment mpv says so, before the
// engine (on the user-interface thread) can send the next one.
class RestartLog {
public:
    struct Shown {
        Clock::time_point at;
        double position;
    };

    explicit RestartLog(mpv_handle* core)
        : client_(mpv_create_client(core, "bench")), thread_([this] { run(); }) {}
    ~RestartLog() {
        stop_ = true;
        mpv_wakeup(client_);
        thread_.join();
        mpv_destroy(client_);
    }
    RestartLog(const RestartLog&) = delete;
    RestartLog& operator=(const RestartLog&) = delete;

    std::vector<Shown> take() {
        const std::lock_guard lock(mutex_);
        return std::exchange(shown_, {});
    }

private:
    void run() {
        while (!stop_) {
            const mpv_event* event = mpv_wait_event(client_, -1);
            if (event->event_id != MPV_EVENT_PLAYBACK_RESTART) continue;
            double position = -1;
            mpv_get_property(client_, "time-pos", MPV_FORMAT_DOUBLE, &position);
            const std::lock_guard lock(mutex_);
            shown_.push_back({Clock::now(), position});
        }
    }

    mpv_handle* client_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Shown> shown_;
    std::thread thread_; // last: starts once the rest exists
};

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void ReversePace(benchmark::State& state, const char* name) {
    const QString path = medium(QString::fromLatin1(name));
    xj::MpvOptions options; // the program's outputs, but silent
    options.audioOutput = "null";
    options.loadTimeoutMs = 10000;
    xj::MpvEngine engine(options);
    applyTrialOptions(engine.handle());
    std::unique_ptr<xj::VideoView> view(xj::createVideoView(engine));
    view->resize(960, 540);
    view->show();
    PaintCounter counter;
    QWidget* surface = view->findChild<QOpenGLWidget*>();
    (surface ? surface : view.get())->installEventFilter(&counter);
    runFor(500); // the view's render context exists before the file opens

    for (auto _ : state) {
        engine.setFileName(path);
        engine.pause();
        engine.setPosition(kStart);
        RestartLog log(engine.handle());
        runFor(3000); // every step below starts from a settled picture
        log.take();
        counter.paints = 0;

        double written = kStart;
        QEventLoop loop;
        QTimer step;
        QObject::connect(&step, &QTimer::timeout, [&] {
            const double next = engine.position() - kStep;
            if (next < 0) return loop.quit();
            engine.setPosition(next);
            written = next;
        });
        QTimer::singleShot(kRunMs, &loop, &QEventLoop::quit);
        const auto start = Clock::now();
        const double cpuStart = cpuSeconds();
        step.start(kTickMs);
        loop.exec();
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double cpu = cpuSeconds() - cpuStart;

        const std::vector<RestartLog::Shown> shown = log.take();
        double pictured = kStart;
        int pictures = 0;
        for (const auto& picture : shown) {
            if (picture.at - start > std::chrono::duration<double>(wall)) break;
            pictured = picture.position;
            ++pictures;
        }
        state.counters["written_pace"] = (kStart - written) / wall / kNominal;
        state.counters["picture_pace"] = (kStart - pictured) / wall / kNominal;
        state.counters["pictures_per_s"] = pictures / wall;
        state.counters["paints_per_s"] = counter.paints / wall;
        state.counters["cpu_ms_per_picture"] = pictures > 0 ? cpu * 1000 / pictures : 0;
        state.counters["opengl"] = view->usesOpenGL() ? 1 : 0;
    }
}
BENCHMARK_CAPTURE(ReversePace, h264_1080p_gop10s, "1080p.mp4")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReversePace, h264_360p_gop10s, "360p.mp4")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReversePace, mp3, "tone.mp3")->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
