#include "panel/xp_option.h"

#include "core/form2.h"
#include "core/text_file.h"
#include "form/failure.h"

namespace xj {

double leadingNumber(const QString& text) {
    QString t = text.trimmed();
    int end = 0;
    bool digits = false, point = false;
    if (end < t.size() && (t[end] == QLatin1Char('+') || t[end] == QLatin1Char('-'))) ++end;
    for (; end < t.size(); ++end) {
        QChar c = t[end];
        if (c.isDigit() && c.unicode() < 128)
            digits = true;
        else if (c == QLatin1Char('.') && !point)
            point = true;
        else
            break;
    }
    return digits ? t.left(end).toDouble() : 0.0;
}

QString XpOption::path() const {
    return textfile::inFolder(f_.platform.programFolder, QStringLiteral("xp.txt"));
}

void XpOption::read() {
    // The executable's folder still speaks while the program folder has no file of its own.
    std::optional<QString> text = textfile::readAll(textfile::readPath(
        f_.platform.programFolder, f_.platform.executableFolder, QStringLiteral("xp.txt")));
    if (!text) throw Failure(53, "xp.txt cannot be read");
    f_.mnuyouxp.Checked = leadingNumber(*text) == 1.0;
}

void XpOption::askFirstRun() {
    MsgResult answer = f_.platform.messages.show(
        QString::fromUtf8("亲爱的用户朋友,第一次使用需要判别您使用的系统是否是WINDOWS "
                          "XP，如是XP，按确定， 否则按取消。"),
        QString::fromUtf8("星鲸超级声海提示"), MsgButtons::YesNo, MsgIcon::Information);
    if (answer == MsgResult::No) {
        textfile::touch(path());
        return;
    }
    write(true);
    f_.mnuyouxp.Checked = true;
}

bool XpOption::write(bool on) {
    return textfile::writeLines(path(), {on ? QStringLiteral(" 1 ") : QStringLiteral("no xp")});
}

void XpOption::toggle() {
    f_.mnuyouxp.Checked = !f_.mnuyouxp.Checked;
    if (!write(f_.mnuyouxp.Checked)) textfile::touch(path());
}

} // namespace xj
