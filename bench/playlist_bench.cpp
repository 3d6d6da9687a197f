// Run: build/bench/playlist_bench
// DriveSearch reports how long the program's search takes beside find over the same generated
// tree of 100 000 files with the same masks (ratio = xingjing / find).
#include "core/form2.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// 100 folders of 10 folders of 100 files: 100 000 files, one in ten a song.
const QTemporaryDir& tree() {
    static QTemporaryDir dir;
    static bool made = false;
    if (!made) {
        made = true;
        const char* kinds[] = {"txt", "jpg", "dat", "log", "png",
                               "doc", "xml", "ini", "mp3", "WAV"};
        for (int a = 0; a < 100; ++a)
            for (int b = 0; b < 10; ++b) {
                const QString folder = QStringLiteral("%1/d%2/e%3").arg(dir.path()).arg(a).arg(b);
                QDir().mkpath(folder);
                for (int c = 0; c < 100; ++c) {
                    QFile f(QStringLiteral("%1/file%2.%3").arg(folder).arg(c).arg(kinds[c % 10]));
                    f.open(QIODevice::WriteOnly);
                }
            }
    }
    return dir;
}

double seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

// A started panel on fakes, with an empty playlist; `prepare` sets the fakes up first.
struct Panel {
    template <class Prepare = void (*)(xj::test::FakePlatform&)>
    explicit Panel(Prepare prepare = [](xj::test::FakePlatform&) {}) {
        fake.writeFile("xjge.txt", "");
        fake.writeFile("xp.txt", "no xp\r\n");
        prepare(fake);
        form = std::make_unique<xj::Form2>(fake.platform);
        form->start();
    }
    xj::test::FakePlatform fake;
    std::unique_ptr<xj::Form2> form;
};

double runFind(const QString& root) {
    const auto start = Clock::now();
    QProcess find;
    find.setStandardOutputFile(QProcess::nullDevice());
    find.start("find", {root, "-name", ".*", "-prune", "-o", "-type", "f", "(", "-iname", "*.mp3",
                        "-o", "-iname", "*.wav", ")", "-print"});
    find.waitForFinished(-1);
    return seconds(start);
}

void DriveSearch(benchmark::State& state) {
    const QString root = tree().path() + '/';
    runFind(root); // warm the file system's caches for both
    double ours = 0, theirs = 0;
    int found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Panel panel([&root](xj::test::FakePlatform& fake) {
            fake.drives.drives = {{"d: [bench]", root}};
            fake.drives.current = root;
        });
        xj::Form2& form = *panel.form;
        form.Combo1.Text = "*.mp3;*.wav";
        theirs += runFind(root);
        state.ResumeTiming();
        const auto start = Clock::now();
        form.Command1_Click();
        ours += seconds(start);
        found = form.List1.ListCount();
    }
    state.counters["found"] = found;
    state.counters["xingjing_ms"] = 1000 * ours / state.iterations();
    state.counters["find_ms"] = 1000 * theirs / state.iterations();
    state.counters["ratio"] = ours / theirs;
}
BENCHMARK(DriveSearch)->Unit(benchmark::kMillisecond)->Iterations(5);

QStringList manyPaths(int n) {
    QStringList paths;
    for (int i = 0; i < n; ++i)
        paths << QStringLiteral("D:\\音乐\\专辑%1\\Track %2.mp3").arg(i % 500).arg(i / 2);
    return paths;
}

void RemoveDuplicates(benchmark::State& state) {
    const QStringList paths = manyPaths(xj::ListBox::MaxCount);
    for (auto _ : state) {
        state.PauseTiming();
        Panel panel;
        xj::Form2& form = *panel.form;
        form.List1.AddItems(paths);
        state.ResumeTiming();
        form.mnusancong.Click();
        benchmark::DoNotOptimize(form.List1.ListCount());
    }
}
BENCHMARK(RemoveDuplicates)->Unit(benchmark::kMillisecond);

void LoadPlaylistFile(benchmark::State& state) {
    QByteArray lines;
    for (const QString& p : manyPaths(xj::ListBox::MaxCount))
        lines += p.toUtf8() + "\r\n";
    for (auto _ : state) {
        state.PauseTiming();
        Panel panel;
        xj::Form2& form = *panel.form;
        panel.fake.writeFile("xjge.txt", lines);
        state.ResumeTiming();
        form.Command15_Click();
        benchmark::DoNotOptimize(form.List1.ListCount());
    }
}
BENCHMARK(LoadPlaylistFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
