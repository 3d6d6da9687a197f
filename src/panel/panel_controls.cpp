#include "panel/panel_controls.h"

#include "playlist/media_types.h"

namespace xj {

namespace {
void picture(CommandButton& b, const char* tip) {
    b.Picture = true;
    b.ToolTipText = QString::fromUtf8(tip);
}
void captioned(CommandButton& b, const char* caption, const char* tip) {
    b.Caption = QString::fromUtf8(caption);
    b.ToolTipText = QString::fromUtf8(tip);
}
} // namespace

PanelControls::PanelControls() {
    List1.Sorted = true;
    greenOnBlack(List1);

    picture(Command13, "播放");
    picture(Command12, "暂停");
    picture(Command14, "停止");
    picture(Command24, "上一首歌曲");
    picture(Command25, "下一首歌曲");
    picture(Command27, "加快的播放或倒放的速度,每按一下，速度以10%递增。");
    picture(Command28, "正常的播放或倒放的速度");
    picture(Command29, "减慢播放或倒放的速度,每按一下，速度以10%递减。");
    picture(Command30, "切换播放与倒放模式");
    picture(Command10, "打开指定位置的媒体文件");
    picture(Command22, "打开指定位置的单个文件。");
    picture(Command8, "可一次性把单个文件夹内的所有媒体文件都加入当前菜单。");
    picture(Command1, "搜索当前驱动器中所有指定的媒体文件");
    picture(Command11, "打开工具箱，能对目录表及目录库进行修改，请按提示操作。");
    picture(Command17, "切换播放窗口的大小");
    picture(Command19, "最小化所有窗口");
    picture(Command20, "帮助");

    Command26.Caption = QStringLiteral("Command26");
    captioned(Command2, "清空", "清空当前目录");
    captioned(Command4, "选删", "删除当前目录中指定的文件名");
    captioned(Command5, "加入", "把当前目录中所有的歌名存入目录库，一次可全部存入");
    captioned(Command15, "调出", "把目录库中所有的歌名调入当前目录，一次可全部调出。");
    Command7.Caption = QString::fromUtf8("更新");
    Command3.Caption = QStringLiteral("Command3");

    makeTypeBox(Combo1, {"MP3文件", "星鲸媒体文件", "星鲸图片文件", "VCD文件", "AVI文件",
                         "音频文件", "视频文件", "AU格式声音", "BMP图片", "GIF图片", "纯声音文件",
                         "影音文件", "MIDI文件", "所有文件"});
    for (const QString& label : mediatypes::commonTypeLabels())
        Combo1.items.push_back(label);

    Drive1.ToolTipText = QString::fromUtf8("选择媒体文件所在的驱动器");
    greenOnBlack(Drive1);
    File1.Pattern = QStringLiteral("*.mp3");

    Label3.Caption = QString::fromUtf8("尚未搜索");
    Label4.ToolTipText = QString::fromUtf8("正在播放的歌曲序号");
    Label5.ToolTipText = QString::fromUtf8("目录表中具有高亮条（即焦点）的歌曲序号");
    for (Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5})
        greenOnBlack(*l);
    Label6.Caption = QString::fromUtf8("全");
    Label6.ToolTipText = QString::fromUtf8("模式切换单首循环/全目录循环");
    Label6.ForeColor = colors::Green;
    Label6.BackColor = colors::Blue;

    Timer3.Tag = QStringLiteral("0.09");
    // One per cent of the volume per arrow, ten per page.
    HScroll1.SmallChange = 328;
    HScroll1.LargeChange = 3277;

    for (Control* c : std::initializer_list<Control*>{
             &Command26, &Command3, &Command7, &SubDir, &Dir1, &File1, &imOpen, &imSave, &Image1,
             &Image2, &Image3, &Image4, &Image5, &Image6, &Image7, &Picture1, &CommonDialog1})
        c->NeverShown = true;
}

std::vector<Control*> PanelControls::controls() {
    // Labels before the tool area: the tool area covers them while it is open.
    return {&List1,     &Command17, &Command19, &Command22, &Command8,  &Drive1,       &Combo1,
            &Command1,  &Command10, &Command11, &Label6,    &Command24, &Command13,    &Command12,
            &Command14, &Command25, &Label3,    &Label2,    &Label4,    &Label5,       &Label1,
            &Command4,  &Command2,  &Command5,  &Command15, &Command20, &Command30,    &Command29,
            &Command28, &Command27, &HScroll1,  &Command26, &Command3,  &Command7,     &SubDir,
            &Dir1,      &File1,     &imOpen,    &imSave,    &Image1,    &Image2,       &Image3,
            &Image4,    &Image5,    &Image6,    &Image7,    &Picture1,  &CommonDialog1};
}

} // namespace xj
