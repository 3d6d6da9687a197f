#include "monkey/monkey.h"

#include "player/form1.h"

#include <algorithm>

#include <sys/stat.h>

namespace xj::test {

namespace {
// Whether the file changed: its size and modification time to the nanosecond.
QByteArray stamp(const QString& path) {
    struct stat st {};
    if (::stat(path.toLocal8Bit().constData(), &st) != 0) return {};
    return QByteArray::number(static_cast<qlonglong>(st.st_size)) + ':' +
           QByteArray::number(static_cast<qlonglong>(st.st_mtim.tv_sec)) + ':' +
           QByteArray::number(static_cast<qlonglong>(st.st_mtim.tv_nsec));
}

QStringList fileLines(const QByteArray& bytes, bool dropEmpty) {
    QStringList out;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        if (dropEmpty && line.isEmpty()) continue;
        out << QString::fromUtf8(line);
    }
    return out;
}

QStringList entries(const ListBox& list) {
    QStringList out;
    for (int i = 0; i < list.ListCount(); ++i)
        out << list.List(i);
    return out;
}

QString yesNo(bool on) {
    return on ? QStringLiteral("enabled") : QStringLiteral("disabled");
}
} // namespace

Monkey::Before Monkey::snapshot() const {
    return {form_->Command13.Enabled, form_->Command12.Enabled,
            form_->Command14.Enabled, form_->form1IfLoaded() != nullptr,
            fake_.engine.refusals,    stamp(fake_.file("xjge.txt")),
            fake_.exists("xjge.txt")};
}

void Monkey::check(const Before& before) {
    checkSaved(before);
    if (form_->ended()) return;
    const ListBox& list = form_->List1;
    const int count = list.ListCount();
    longestList_ = std::max(longestList_, count);
    if (count > ListBox::MaxCount)
        return fault(QStringLiteral("the list holds %1 entries").arg(count));
    if (list.ListIndex() < -1 || list.ListIndex() >= count)
        return fault(QStringLiteral("List1's ListIndex %1 with %2 entries")
                         .arg(list.ListIndex())
                         .arg(count));
    if (form_->listbian < -1) return fault(QStringLiteral("listbian is %1").arg(form_->listbian));
    if (promise_ == Promise::Next && count > 0 && form_->listbian >= count)
        return fault(QStringLiteral("next left listbian at %1 with %2 entries")
                         .arg(form_->listbian)
                         .arg(count));
    // The modes' marks stay in step with the modes.
    const bool single = isTrue(form_->mosi);
    if (form_->Label6.Caption != QString::fromUtf8(single ? "单" : "全") ||
        form_->Label6.BackColor != (single ? colors::DarkTeal : colors::Blue))
        return fault(QStringLiteral("the loop mode label reads %1 for single-entry loop %2")
                         .arg(form_->Label6.Caption, yesNo(single)));
    if (form_->MNUSUIJI.Checked != isTrue(form_->XUNHUAN) ||
        form_->MNUSUIJI2.Checked != isTrue(form_->XUNHUAN))
        return fault(QStringLiteral("the random ticks are out of step with the random mode"));
    // At most one slideshow, and the time display's pace is one of the three.
    if (form_->MNUHUANDENG.Checked && form_->MNUFANGHUANDENGMAN.Checked)
        return fault(QStringLiteral("both slideshows are ticked"));
    const int pace = form_->Timer2.Interval();
    if (!form_->Timer2.Enabled() || (pace != 1000 && pace != 3500 && pace != 19000))
        return fault(QStringLiteral("the slideshow timer runs %1 every %2 ms")
                         .arg(yesNo(form_->Timer2.Enabled()))
                         .arg(pace));
    // The folder browser holds the panel disabled exactly while it is open.
    if (form_->Enabled != (form_->form4IfLoaded() == nullptr))
        return fault(QStringLiteral("the panel is %1 with the folder browser %2")
                         .arg(yesNo(form_->Enabled), form_->form4IfLoaded() ? "open" : "closed"));
    checkButtons(before);
}

void Monkey::checkButtons(const Before& before) {
    const bool refused = fake_.engine.refusals != before.refusals;
    // Loading the player window disables all three; each action then changes its own.
    const bool play = before.playerLoaded && before.play;
    const bool pause = before.playerLoaded && before.pause;
    const bool stop = before.playerLoaded && before.stop;
    struct Buttons {
        bool play, pause, stop;
    } want{play, pause, stop};
    switch (promise_) {
    case Promise::Play:
        if (refused) return;
        want = {play, true, true};
        break;
    case Promise::Pause:
        want = {play, pause, false};
        break;
    case Promise::Stop:
        want = {play, false, stop};
        break;
    case Promise::PlayEntry:
        if (refused) return;
        // The entry played is the one highlighted, and the status timer watches it.
        if (form_->listbian != form_->List1.ListIndex() || !form_->Timer1.Enabled() ||
            form_->Label4.Caption != QString::number(form_->listbian + 1))
            return fault(QStringLiteral("played entry %1 (shown as %2) with entry %3 highlighted, "
                                        "status timer %4")
                             .arg(form_->listbian)
                             .arg(form_->Label4.Caption)
                             .arg(form_->List1.ListIndex())
                             .arg(yesNo(form_->Timer1.Enabled())));
        want = {true, true, true};
        break;
    default:
        return;
    }
    ++promisesChecked_;
    const Buttons have{form_->Command13.Enabled, form_->Command12.Enabled,
                       form_->Command14.Enabled};
    if (have.play != want.play || have.pause != want.pause || have.stop != want.stop)
        fault(QStringLiteral("buttons play/pause/stop are %1/%2/%3, expected %4/%5/%6")
                  .arg(yesNo(have.play), yesNo(have.pause), yesNo(have.stop), yesNo(want.play),
                       yesNo(want.pause), yesNo(want.stop)));
}

void Monkey::checkSaved(const Before& before) {
    const QString path = fake_.file("xjge.txt");
    const bool changed = stamp(path) != before.file;
    // A missing file is created empty by the load; that is no save.
    const bool created = !before.fileExisted && fake_.readFile("xjge.txt").isEmpty();
    if (fileReplaced_ || quitUnderBox_) return;
    if (saveRefused_ || !(saveAnswered_ || (changed && !created))) return;
    ++savesChecked_;
    const QByteArray bytes = fake_.readFile("xjge.txt");
    if (!bytes.isEmpty() && !bytes.endsWith("\r\n"))
        return fault(QStringLiteral("the saved file does not end its last line with CR LF"));
    QStringList lines = fileLines(bytes, false);
    if (!lines.isEmpty()) lines.removeLast(); // after the last line end
    const QStringList list = entries(form_->List1);
    const int extra = static_cast<int>(lines.size() - list.size());
    if (lines.mid(0, list.size()) == list && extra == keptInFile_) return;
    fault(QStringLiteral("after a save the file holds %1 lines for %2 entries (%3 kept back); "
                         "first difference at line %4")
              .arg(lines.size())
              .arg(list.size())
              .arg(keptInFile_)
              .arg([&] {
                  qsizetype i = 0;
                  while (i < lines.size() && i < list.size() && lines[i] == list[i])
                      ++i;
                  return i;
              }()));
}

void Monkey::checkLoaded(const QByteArray& file, bool existed) {
    if (form_->ended() || !faults_.isEmpty()) return;
    QStringList want;
    if (!existed) {
        for (const char* w :
             {"1、亲爱的用户朋友，您们好！", "2、欢迎使用星鲸超级声海，它一定会让您满意！",
              "3、本软件功能强大，几乎支持所有的多媒体格式！",
              "4、请用望远镜搜索多媒体文件、MP3或打开指定位置手动添加目录或文件！"})
            want << QString::fromUtf8(w);
    } else {
        want = fileLines(file, true).mid(0, ListBox::MaxCount);
    }
    QStringList have = entries(form_->List1);
    want.sort();
    have.sort();
    if (have != want)
        fault(QStringLiteral("the start read %1 entries from a file of %2")
                  .arg(have.size())
                  .arg(want.size()));
}

} // namespace xj::test
