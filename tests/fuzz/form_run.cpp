#include "form_run.h"

#include "fuzz_support.h"

namespace xj::fuzz {

namespace {
test::FakePlatform& platform() {
    static test::FakePlatform fake;
    return fake;
}
} // namespace

const QStringList& FormRun::entries() {
    static const QStringList list{
        QStringLiteral("/music/a b.mp3"), QStringLiteral("/music/Song.MP3"),
        QString::fromUtf8("/音乐/歌曲.wav"), QStringLiteral("/video/clip.avi"),
        QStringLiteral("/video/\"quoted\".mpg")};
    return list;
}

test::FakePlatform& FormRun::fake() {
    return platform();
}

FormRun::FormRun(const QString& commandLine, const QString& playable) {
    test::FakePlatform& fake = platform();
    static const bool written = [&fake] {
        fake.writeFile("xp.txt", "no xp\r\n");
        QByteArray lines;
        for (const QString& entry : entries())
            lines += entry.toUtf8() + "\r\n";
        fake.writeFile("xjge.txt", lines);
        return true;
    }();
    (void)written;
    // What a run before left behind goes: calls, messages, the state of playback.
    fake.engine = test::FakeEngine();
    for (const QString& entry : entries())
        fake.engine.addMedia(entry, 60);
    if (!playable.isEmpty()) fake.engine.addMedia(playable, 60);
    fake.messages.shown.clear();
    fake.messages.answers.clear();
    fake.platform.commandLine = commandLine;
    form_ = std::make_unique<Form2>(fake.platform);
    time_ = std::make_unique<test::VirtualTime>([this] { return form_->timers(); }, &fake.engine);
    form_->start();
}

void FormRun::playable(const QString& path) {
    platform().engine.addMedia(path, 60);
}

FormRun::~FormRun() {
    time_.reset();
    form_.reset();
}

bool holds(const Form2& f, const QString& path) {
    const QString wanted = path.toUpper();
    for (int i = 0; i < f.List1.ListCount(); ++i)
        if (f.List1.List(i).toUpper() == wanted) return true;
    return false;
}

void checkTaken(const Form2& f, const QString& path, bool wasThere, int countBefore) {
    FUZZ_CHECK(f.List1.SelCount() == 1);
    const int at = f.List1.ListIndex();
    FUZZ_CHECK(at >= 0 && at < f.List1.ListCount());
    FUZZ_CHECK(f.List1.Selected(at));
    FUZZ_CHECK(f.List1.List(at).toUpper() == path.toUpper());
    if (wasThere) {
        FUZZ_CHECK(f.List1.ListCount() == countBefore);
    } else {
        FUZZ_CHECK(f.List1.ListCount() == countBefore + 1);
        FUZZ_CHECK(at == 0 && f.List1.List(0) == path);
    }
}

} // namespace xj::fuzz
