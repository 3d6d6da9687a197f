#include "monkey/monkey.h"

#include "form/events.h"
#include "player/form1.h"

#include <QFile>
#include <QScopeGuard>
#include <csignal>
#include <cstdio>
#include <exception>
#include <gtest/gtest.h>

namespace xj::test {

namespace {
constexpr size_t kHistory = 20;
constexpr int kBulkFiles = 1500;

// A crash ends the test without a failure message: the seed and the events go out first.
const Monkey* running = nullptr;
void reportCrash(int signal) {
    if (running) std::fputs(running->history().toLocal8Bit().constData(), stderr);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
} // namespace

Monkey::Monkey(unsigned long long seed) : seed_(seed), rng_(seed) {
    buildTree();
    fake_.writeFile("xp.txt", "no xp\r\n");
    fake_.messages.onShow = [this](const ShownMessage& box) { answer(box); };
    restart();
}

Monkey::~Monkey() {
    fake_.messages.onShow = nullptr;
    time_.reset();
    form_.reset();
}

void Monkey::buildTree() {
    for (const char* f : {"songs/", "songs/inner/", "video/", "pics/", "empty/", "bulk/"})
        folders_ << tree_.folder(QString::fromUtf8(f));
    for (int i = 0; i < 12; ++i)
        addMediaFile(folders_[below(4)]);
    // A folder big enough that a few additions fill the list.
    for (int i = 0; i < kBulkFiles; ++i)
        registerFile(tree_.file(QStringLiteral("bulk/%1.mp3").arg(i, 4, 10, QChar('0'))));
    fake_.drives.drives = {{"c: [tree]", tree_.root()},
                           {"d: [songs]", tree_.path("songs/")},
                           {"a: [floppy]", tree_.path("no-such-drive/")}};
    fake_.drives.current = tree_.path("songs");
}

void Monkey::registerFile(const QString& path) {
    files_ << path;
    if (path.endsWith(".jpg"))
        fake_.engine.addPicture(path);
    else
        fake_.engine.addMedia(path, 1 + below(40));
}

QString Monkey::addMediaFile(const QString& folder) {
    static const char* const kinds[] = {".mp3", ".wav", ".avi", ".jpg", ".mpeg", ".MP3"};
    const QString name = QString::fromUtf8(below(3) == 0 ? "歌%1" : "track %1")
                             .arg(static_cast<int>(rng_() % 100000)) +
                         QString::fromLatin1(kinds[below(6)]);
    const QString path = folder + name;
    QFile f(path);
    if (f.exists() || !f.open(QIODevice::WriteOnly)) return path;
    f.close();
    registerFile(path);
    return path;
}

void Monkey::removeFile() {
    // The bulk folder stays as it is; the others lose a file.
    QStringList small;
    for (const QString& p : files_)
        if (!p.contains("/bulk/")) small << p;
    if (small.isEmpty()) return;
    const QString path = small[below(static_cast<int>(small.size()))];
    QFile::remove(path);
    files_.removeAll(path);
    fake_.engine.media.erase(path);
    fake_.engine.pictures.erase(path);
    fake_.engine.unplayable.erase(path);
}

QString Monkey::somePath() {
    switch (below(5)) {
    case 0:
        return tree_.path("gone/never.mp3");
    case 1:
        return QString::fromUtf8("不是文件");
    default:
        return files_[below(static_cast<int>(files_.size()))];
    }
}

QStringList Monkey::someDrop() {
    QStringList paths;
    const int n = 1 + below(3);
    for (int i = 0; i < n; ++i)
        paths << (chance(0.3) ? folders_[below(static_cast<int>(folders_.size()))] : somePath());
    return paths;
}

void Monkey::restart() {
    time_.reset();
    form_.reset();
    // A new process: a new engine, and the files as the last run left them.
    fake_.engine.reset();
    const QString quote = QStringLiteral("\"");
    fake_.platform.commandLine =
        chance(0.3) ? quote + somePath() + quote : (chance(0.1) ? quote + quote : QString());
    fake_.mixer.openError = chance(0.05) ? 1 : 0;
    keptInFile_ = 0;
    const QByteArray file = fake_.readFile("xjge.txt");
    const bool existed = fake_.exists("xjge.txt");
    ++starts_;
    form_ = std::make_unique<Form2>(fake_.platform);
    time_ = std::make_unique<VirtualTime>([this] { return form_->timers(); }, &fake_.engine);
    // Nothing happens under the start's boxes, so what the start read is what the list holds.
    inTime_ = inBox_ = true;
    forward("start " + fake_.platform.commandLine, [this] { form_->start(); });
    inTime_ = inBox_ = false;
    checkLoaded(file, existed);
}

void Monkey::forward(const QString& what, const std::function<void()>& handler) {
    note(QString::number(number_) + ": " + what);
    // As the front-end runs every handler: a failure ends it silently, nothing else may leave it.
    try {
        runHandler(handler);
    } catch (const std::exception& e) {
        fault(QStringLiteral("an exception left the handler: ") + e.what());
    } catch (...) {
        fault(QStringLiteral("an unknown exception left the handler"));
    }
}

void Monkey::note(const QString& what) {
    recent_.push_back(what);
    while (recent_.size() > kHistory)
        recent_.pop_front();
}

void Monkey::answer(const ShownMessage& box) {
    const bool question = box.buttons == MsgButtons::YesNo;
    const bool yes = question && chance(0.6);
    note(QStringLiteral("   box \"%1\" %2")
             .arg(box.text.left(60), QString::fromLatin1(question ? (yes ? "Yes" : "No") : "OK")));
    if (question) fake_.messages.answers = {yes ? MsgResult::Yes : MsgResult::No};
    const bool saveQuestion =
        box.text.startsWith(QString::fromUtf8("你确定要把当前目录中所有的歌名")) ||
        box.text.startsWith(QString::fromUtf8("您要保存改动吗"));
    if (saveQuestion && yes) saveAnswered_ = true;
    if (box.text.startsWith(QString::fromUtf8("无法写入目录库文件")) ||
        box.text.contains(QString::fromUtf8("改动未保存")))
        saveRefused_ = true;
    const QString kept = QString::fromUtf8("仍保留在目录库文件中");
    if (box.text.contains(kept)) {
        const QString another = QString::fromUtf8("另有 ");
        const qsizetype at = box.text.indexOf(another) + another.size();
        // Each read's tail replaces the last one's.
        keptInFile_ = box.text.mid(at, box.text.indexOf(' ', at) - at).toInt();
    }
    // An emptied list keeps nothing back either.
    if (box.text.startsWith(QString::fromUtf8("你确定要清空当前目录吗")) && yes) keptInFile_ = 0;
    // A modal box keeps the bus answering: a desktop tool's request runs under it.
    if (!inBox_ && form_ && chance(0.05)) {
        inBox_ = true;
        busRequest();
        inBox_ = false;
    }
    // A modal box keeps the timers ticking while it waits.
    if (!inTime_ && time_ && chance(0.1)) {
        inTime_ = true;
        const int ms = 100 + below(5000);
        note(QStringLiteral("   time passes under the box: %1 ms").arg(ms));
        time_->advance(ms);
        inTime_ = false;
    }
}

void Monkey::fault(const QString& what) {
    if (!faults_.isEmpty()) return;
    faults_ = what;
}

QString Monkey::summary() const {
    return QStringLiteral("%1 starts, %2 saves and %3 button promises checked, %4 message boxes, "
                          "%5 engine refusals, longest list %6")
        .arg(starts_)
        .arg(savesChecked_)
        .arg(promisesChecked_)
        .arg(fake_.messages.shown.size())
        .arg(fake_.engine.refusals)
        .arg(longestList_);
}

QString Monkey::history() const {
    QString out = QStringLiteral("seed %1 (XJ_MONKEY_SEED), event %2\nlast events:\n")
                      .arg(seed_)
                      .arg(number_);
    for (const QString& e : recent_)
        out += e + '\n';
    return out;
}

bool Monkey::run(long events) {
    running = this;
    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS})
        std::signal(signal, reportCrash);
    const auto done = qScopeGuard([] {
        for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS})
            std::signal(signal, SIG_DFL);
        running = nullptr;
    });
    for (number_ = 0; number_ < events; ++number_) {
        if (!form_ || form_->ended()) restart();
        if (faults_.isEmpty()) step();
        if (!faults_.isEmpty()) {
            ADD_FAILURE() << faults_.toStdString() << '\n' << history().toStdString();
            return false;
        }
    }
    return true;
}

} // namespace xj::test
