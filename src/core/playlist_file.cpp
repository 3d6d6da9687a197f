#include "core/playlist_file.h"

#include "core/form2.h"

#include <algorithm>

namespace xj {

namespace {
const char* const kWelcome[] = {
    "1、亲爱的用户朋友，您们好！",
    "2、欢迎使用星鲸超级声海，它一定会让您满意！",
    "3、本软件功能强大，几乎支持所有的多媒体格式！",
    "4、请用望远镜搜索多媒体文件、MP3或打开指定位置手动添加目录或文件！",
};
const QString kName = QStringLiteral("xjge.txt");
} // namespace

QString PlaylistFile::path() const {
    return textfile::inFolder(f_.platform.programFolder, kName);
}

QString PlaylistFile::sourcePath() const {
    return textfile::readPath(f_.platform.programFolder, f_.platform.executableFolder, kName);
}

PlaylistFile::Contents PlaylistFile::open() {
    Contents contents;
    contents.path = sourcePath();
    textfile::Read read = textfile::readBytes(contents.path);
    contents.kind = read.kind;
    if (read.kind == textfile::Kind::Missing) textfile::touch(path());
    if (read.kind == textfile::Kind::Ordinary) contents.lines = textfile::splitLines(read.bytes);
    return contents;
}

void PlaylistFile::notice(const QString& text) {
    f_.platform.messages.show(text, QString::fromUtf8("星鲸声海--提示"), MsgButtons::Ok,
                              MsgIcon::Exclamation);
}

void PlaylistFile::fill(const Contents& contents) {
    // What a read keeps back belongs to the file as it was read last.
    leftOver_.clear();
    switch (contents.kind) {
    case textfile::Kind::Missing: {
        QStringList welcome;
        for (const char* line : kWelcome)
            welcome << QString::fromUtf8(line);
        f_.listEditing.append(welcome);
        return;
    }
    case textfile::Kind::TooLarge:
        notice(QString::fromUtf8("目录库文件太大（超过 %1 MB），未能读入，文件保持原样：%2")
                   .arg(textfile::MaxSize / 1024 / 1024)
                   .arg(contents.path));
        return;
    case textfile::Kind::NotOrdinary:
        notice(QString::fromUtf8("目录库文件不是普通文件，未能读入，文件保持原样：") +
               contents.path);
        return;
    case textfile::Kind::Ordinary:
        break;
    }
    QList<QByteArray> lines;
    QStringList entries;
    for (const QByteArray& line : contents.lines) {
        if (line.isEmpty()) continue;
        lines << line;
        entries << textfile::decode(line);
    }
    const int added = f_.listEditing.append(entries, true);
    for (int i = 0; i < added; ++i)
        keep(entries[i], lines[i]);
    // Another read of the same file gives the same tail, which must not be written twice.
    leftOver_ = lines.mid(added);
}

void PlaylistFile::store() {
    MsgResult answer = f_.platform.messages.show(
        QString::fromUtf8("你确定要把当前目录中所有的歌名加入目录库吗？按确定加入，  按取消退出。"),
        QString::fromUtf8("提示"), MsgButtons::YesNo, MsgIcon::Information);
    if (answer == MsgResult::No) return;
    save();
}

void PlaylistFile::keep(const QString& text, const QByteArray& line) {
    const auto kept = kept_.find(text);
    if (kept != kept_.end()) {
        *kept << line;
        return;
    }
    const QByteArray plain = text.toUtf8();
    if (line == plain) {
        ++plain_[text];
        return;
    }
    QList<QByteArray> lines(plain_.take(text), plain);
    lines << line;
    kept_.insert(text, lines);
}

QByteArray PlaylistFile::bytesToWrite() const {
    const int count = f_.List1.ListCount();
    qsizetype tail = 0;
    for (const QByteArray& line : leftOver_)
        tail += line.size() + 2;
    // Most paths are shorter than this; a longer list grows the buffer a few times at most.
    textfile::LineBuffer out(qsizetype{count} * 64 + tail);
    // An entry read from the file goes back with the bytes it was read with; equal texts take
    // their kept bytes in turn.
    QHash<QString, qsizetype> used;
    for (int i = 0; i < count; ++i) {
        const QString text = f_.List1.List(i);
        const auto kept = kept_.isEmpty() ? kept_.cend() : kept_.constFind(text);
        if (kept == kept_.cend())
            out.add(text);
        else if (kept->size() == 1)
            out.add(kept->first());
        else
            out.add(kept->at(std::min(used[text]++, kept->size() - 1)));
    }
    for (const QByteArray& line : leftOver_)
        out.add(line);
    return out.take();
}

bool PlaylistFile::save() {
    // A file the load would not read is not replaced behind the user's back.
    const QString source = sourcePath();
    const textfile::Kind kind = textfile::kindOf(source);
    if (kind == textfile::Kind::TooLarge || kind == textfile::Kind::NotOrdinary) {
        notice(QString::fromUtf8("目录库文件太大或不是普通文件，改动未保存，文件保持原样：") +
               source);
        return false;
    }
    if (textfile::writeBytes(path(), bytesToWrite())) return true;
    notice(QString::fromUtf8("无法写入目录库文件：") + path());
    return false;
}

} // namespace xj
