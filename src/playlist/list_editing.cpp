#include "playlist/list_editing.h"

#include "core/form2.h"
#include "form/vb_text.h"

#include <QSet>
#include <algorithm>

namespace xj {

void ListEditing::highlightFeedback() {
    f_.Label5.Caption = QString::number(f_.List1.ListIndex() + 1);
    f_.List1.ToolTipText =
        QString::fromUtf8("双击歌名或按回车可播放---") + f_.List1.List(f_.List1.ListIndex());
}

void ListEditing::showCount() {
    f_.Label2.Caption = QString::fromUtf8("目录总歌曲为") + signedText(f_.List1.ListCount()) +
                        QString::fromUtf8("首");
}

void ListEditing::deleteSelected() {
    if (f_.List1.ListCount() == 0) {
        f_.platform.messages.show(QString::fromUtf8("没有文件可删除！"),
                                  QString::fromUtf8("星鲸声海--提示"), MsgButtons::Ok,
                                  MsgIcon::Exclamation);
        return;
    }
    f_.List1.RemoveSelected();
    f_.wenjianming = true;
}

void ListEditing::removeDuplicates() {
    ListBox& list = f_.List1;
    // Of every group of texts equal but for letter case the lowest index stays; empty texts
    // match nothing and stay too.
    QSet<QString> seen;
    seen.reserve(list.ListCount());
    for (int i = 0; i < list.ListCount(); ++i) {
        const QString text = list.List(i);
        const QString key = text.toUpper();
        list.setSelected(i, !text.isEmpty() && seen.contains(key));
        if (!text.isEmpty()) seen.insert(key);
    }
    list.RemoveSelected();
    f_.wenjianming = true;
}

void ListEditing::clear() {
    MsgResult answer = f_.platform.messages.show(
        QString::fromUtf8("你确定要清空当前目录吗？按确定清除，按取消退出。"),
        QString::fromUtf8("提示"), MsgButtons::YesNo, MsgIcon::Information);
    if (answer == MsgResult::No) return;
    f_.List1.Clear();
    f_.playlistFile.forgetLeftOver();
    f_.wenjianming = true;
}

void ListEditing::setFontSize(double points) {
    f_.List1.FontSize = std::clamp(points, MinFontSize, MaxFontSize);
    f_.Form_Resize();
}

void ListEditing::fontLarger() {
    setFontSize(f_.List1.FontSize + 2);
}
void ListEditing::fontSmaller() {
    setFontSize(f_.List1.FontSize - 2);
}
void ListEditing::fontDefault() {
    setFontSize(DefaultFontSize);
}

void ListEditing::reportFull(int leftOut, bool keptInFile) {
    QString text = QString::fromUtf8("目录表最多只能容纳 %1 首，另有 %2 首未能加入")
                       .arg(ListBox::MaxCount)
                       .arg(leftOut);
    text +=
        keptInFile ? QString::fromUtf8("，它们仍保留在目录库文件中。") : QString::fromUtf8("。");
    f_.platform.messages.show(text, QString::fromUtf8("星鲸声海--提示"), MsgButtons::Ok,
                              MsgIcon::Exclamation);
}

int ListEditing::append(const QStringList& paths, bool restKeptInFile) {
    const int added = f_.List1.AddItems(paths);
    if (added < paths.size()) reportFull(static_cast<int>(paths.size()) - added, restKeptInFile);
    return added;
}

bool ListEditing::insertAtTop(const QString& path) {
    if (f_.List1.ListCount() >= ListBox::MaxCount) {
        reportFull(1, false);
        return false;
    }
    f_.List1.AddItem(path, 0);
    return true;
}

} // namespace xj
