#include "core/playlist_file.h"

#include "core/form2.h"
#include "core/text_file.h"

namespace xj {

namespace {
const char* const kWelcome[] = {
    "1、亲爱的用户朋友，您们好！",
    "2、欢迎使用星鲸超级声海，它一定会让您满意！",
    "3、本软件功能强大，几乎支持所有的多媒体格式！",
    "4、请用望远镜搜索多媒体文件、MP3或打开指定位置手动添加目录或文件！",
};
} // namespace

QString PlaylistFile::path() const {
    return textfile::inFolder(f_.platform.programFolder, QStringLiteral("xjge.txt"));
}

std::optional<QStringList> PlaylistFile::open() {
    std::optional<QString> text = textfile::readAll(path());
    if (!text) {
        textfile::touch(path());
        return std::nullopt;
    }
    return textfile::splitLines(*text);
}

void PlaylistFile::fill(const std::optional<QStringList>& lines) {
    QStringList entries;
    if (!lines) {
        for (const char* welcome : kWelcome)
            entries << QString::fromUtf8(welcome);
    } else {
        for (const QString& line : *lines)
            if (!line.isEmpty()) entries << line;
    }
    f_.listEditing.append(entries);
}

void PlaylistFile::store() {
    MsgResult answer = f_.platform.messages.show(
        QString::fromUtf8("你确定要把当前目录中所有的歌名加入目录库吗？按确定加入，  按取消退出。"),
        QString::fromUtf8("提示"), MsgButtons::YesNo, MsgIcon::Information);
    if (answer == MsgResult::No) return;
    save();
}

bool PlaylistFile::save() {
    QStringList lines;
    lines.reserve(f_.List1.ListCount());
    for (int i = 0; i < f_.List1.ListCount(); ++i)
        lines << f_.List1.List(i);
    if (textfile::writeLines(path(), lines)) return true;
    f_.platform.messages.show(QString::fromUtf8("无法写入目录库文件：") + path(),
                              QString::fromUtf8("星鲸声海--提示"), MsgButtons::Ok,
                              MsgIcon::Exclamation);
    return false;
}

} // namespace xj
