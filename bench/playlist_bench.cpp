// Run: build/bench/playlist_bench
// DriveSearch reports how long the program's search takes beside find and fd (when installed)
// over the same generated tree of 100 000 files with the same masks, the three taking turns;
// it fails when the search finds other files, or walks the folders in another order, than a
// plain walk by the same rules. XJ_BENCH_TREE names a folder to keep the tree in between runs.
#include "core/form2.h"
#include "form/paths.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <deque>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// 100 folders of 10 folders of 100 files: 100 000 files, one in ten a song.
QString tree() {
    static QTemporaryDir temporary;
    static const QString root = [] {
        const QString kept = qEnvironmentVariable("XJ_BENCH_TREE");
        const QString path = kept.isEmpty() ? temporary.path() : kept;
        const QString done = path + "/.complete";
        if (QFile::exists(done)) return path;
        const char* kinds[] = {"txt", "jpg", "dat", "log", "png",
                               "doc", "xml", "ini", "mp3", "WAV"};
        for (int a = 0; a < 100; ++a)
            for (int b = 0; b < 10; ++b) {
                const QString folder = QStringLiteral("%1/d%2/e%3").arg(path).arg(a).arg(b);
                QDir().mkpath(folder);
                for (int c = 0; c < 100; ++c) {
                    QFile f(QStringLiteral("%1/file%2.%3").arg(folder).arg(c).arg(kinds[c % 10]));
                    f.open(QIODevice::WriteOnly);
                }
            }
        QFile(done).open(QIODevice::WriteOnly);
        return path;
    }();
    return root;
}

double milliseconds(Clock::time_point from) {
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
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

double runProgram(const QString& program, const QStringList& arguments) {
    const auto start = Clock::now();
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(program, arguments);
    p.waitForFinished(-1);
    return milliseconds(start);
}

double runFind(const QString& root) {
    return runProgram("find", {root, "-name", ".*", "-prune", "-o", "-type", "f", "(", "-iname",
                               "*.mp3", "-o", "-iname", "*.wav", ")", "-print"});
}

double runFd(const QString& fd, const QString& root) {
    return runProgram(fd, {"-u", "-t", "f", "-e", "mp3", "-e", "wav", ".", root});
}

// The walk by its rules, written plainly with QDir: breadth-first from the root, each folder's
// subfolders queued and its files taken in name order without regard to case; hidden names and
// links left out. The folders visited after the root, and the files found.
struct Walk {
    QStringList folders;
    QStringList files;
};
Walk plainWalk(const QString& root, const QStringList& masks) {
    auto sorted = [](QStringList names) {
        std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        return names;
    };
    Walk walk;
    std::deque<QString> queue{root};
    for (size_t j = 0; j < queue.size(); ++j) {
        const QString folder = queue[j];
        if (j > 0) walk.folders << folder;
        const QDir dir(folder);
        for (const QString& sub :
             sorted(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks)))
            queue.push_back(xj::childPath(folder, sub));
        for (const QString& name : sorted(dir.entryList(masks, QDir::Files | QDir::NoSymLinks)))
            walk.files << xj::childPath(folder, name);
    }
    return walk;
}

QString runs(const std::vector<double>& ms) {
    QStringList out;
    for (double m : ms)
        out << QString::number(m, 'f', 1);
    return out.join(',');
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty()      ? 0
           : v.size() % 2 ? v[v.size() / 2]
                          : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void DriveSearch(benchmark::State& state) {
    const QString root = tree() + '/';
    const QString fd = QStandardPaths::findExecutable("fdfind");
    runFind(root); // warm the file system's caches for all
    std::vector<double> ours, find, fdRuns;
    int found = 0;
    bool identical = true;
    for (auto _ : state) {
        state.PauseTiming();
        Panel panel([&root](xj::test::FakePlatform& fake) {
            fake.drives.drives = {{"d: [bench]", root}};
            fake.drives.current = root;
        });
        xj::Form2& form = *panel.form;
        form.Combo1.Text = "*.mp3;*.wav";
        // Turns: the program goes first every other time, so a change of load falls on all.
        const bool oursFirst = ours.size() % 2 == 1;
        if (!oursFirst) {
            find.push_back(runFind(root));
            if (!fd.isEmpty()) fdRuns.push_back(runFd(fd, root));
        }
        state.ResumeTiming();
        const auto start = Clock::now();
        form.Command1_Click();
        ours.push_back(milliseconds(start));
        state.PauseTiming();
        if (oursFirst) {
            find.push_back(runFind(root));
            if (!fd.isEmpty()) fdRuns.push_back(runFd(fd, root));
        }
        found = form.List1.ListCount();
        // The playlist sorts what it takes; the walk's order shows in the folders it reported.
        static const Walk expected = plainWalk(root, {"*.mp3", "*.wav"});
        QStringList entries;
        for (int i = 0; i < found; ++i)
            entries << form.List1.List(i);
        QStringList files = expected.files;
        entries.sort();
        files.sort();
        identical =
            identical && entries == files && panel.fake.progress.folders == expected.folders;
        state.ResumeTiming();
    }
    if (!identical) state.SkipWithError("the search found other files than the plain walk");
    state.counters["found"] = found;
    state.counters["identical"] = identical;
    state.counters["xingjing_ms"] = median(ours);
    state.counters["find_ms"] = median(find);
    state.counters["ratio"] = median(ours) / median(find);
    if (!fdRuns.empty()) state.counters["fd_ms"] = median(fdRuns);
    // The single runs, for scripts that take medians and minimums of their own.
    std::printf("ours_runs_ms=%s find_runs_ms=%s fd_runs_ms=%s\n", qPrintable(runs(ours)),
                qPrintable(runs(find)), qPrintable(runs(fdRuns)));
}
BENCHMARK(DriveSearch)->Unit(benchmark::kMillisecond)->Iterations(7);

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

// The list file of a full list as a run leaves it: every line but the last read from the file,
// the first line with a byte order mark when `marked` (so each entry is looked up among the
// bytes kept), and one entry new since.
struct FullList {
    explicit FullList(bool marked) {
        QByteArray lines = marked ? QByteArray("\xEF\xBB\xBF") : QByteArray();
        const QStringList paths = manyPaths(xj::ListBox::MaxCount);
        for (qsizetype i = 1; i < paths.size(); ++i)
            lines += paths[i].toUtf8() + "\r\n";
        panel.fake.writeFile("xjge.txt", lines);
        panel.form->Command15_Click();
        panel.form->List1.AddItem(paths[0]);
    }
    Panel panel;
};

// The save on closing with a full list; beside it the same bytes written the same crash-safe
// way (staged, synced, renamed) with nothing to gather: the floor of the save.
void SavePlaylistFile(benchmark::State& state) {
    FullList list(state.range(0) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(list.panel.form->playlistFile.save());
    state.SetBytesProcessed(state.iterations() * list.panel.fake.readFile("xjge.txt").size());
}
BENCHMARK(SavePlaylistFile)->Arg(0)->Arg(1)->ArgName("marked")->Unit(benchmark::kMillisecond);

void WriteSameBytes(benchmark::State& state) {
    FullList list(false);
    list.panel.form->playlistFile.save();
    const QString path = list.panel.fake.file("xjge.txt");
    const QByteArray bytes = list.panel.fake.readFile("xjge.txt");
    const QString staged = path + ".anchor";
    for (auto _ : state) {
        QSaveFile file(staged);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.commit();
        benchmark::DoNotOptimize(std::rename(QFile::encodeName(staged).constData(),
                                             QFile::encodeName(path).constData()));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(WriteSameBytes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
