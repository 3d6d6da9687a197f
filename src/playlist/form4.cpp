#include "playlist/form4.h"

#include "core/form2.h"
#include "form/failure.h"
#include "form/paths.h"
#include "form/vb_text.h"
#include "playlist/media_types.h"

namespace xj {

Form4::Form4(Form2& panel) : Window("Form4"), panel_(panel) {
    Caption = QString::fromUtf8("星鲸超级声海--打开文件");
    Left = 2880;
    Top = 2160;
    setDesignSize(5820, 3735);
    makeTypeBox(Combo1, {"星鲸媒体文件", "MP3文件", "星鲸图片文件", "影音文件", "AVI文件",
                         "音频文件", "视频文件", "AU格式声音", "BMP图片", "GIF图片", "VCD文件",
                         "纯声音文件", "MIDI文件", "所有文件"});
    for (const QString& label : mediatypes::commonTypeLabels())
        Combo1.items.push_back(label);
    Command2.Picture = true;
    Command2.ToolTipText = QString::fromUtf8("一次性把单个文件夹内的所有媒体文件都加入当前菜单。");
    Command3.Picture = true;
    Command3.ToolTipText = QString::fromUtf8("关闭");
    Label1.Caption = QString::fromUtf8("搜索预览");
    Label2.Caption = QString::fromUtf8("尚未加入！");
    for (Control* c : {(Control*)&Drive1, (Control*)&Dir1, (Control*)&File1, (Control*)&Label1,
                       (Control*)&Label2})
        greenOnBlack(*c);
    bindControls();
}

void Form4::bindControls() {
    Drive1.bind({.onChange = [this] { Drive1_Change(); }});
    Dir1.bind({.onMoveTo = [this](const QString& folder) { setFolder(folder); }});
    Combo1.bind({.onClick = [this] { Combo1_Click(); }, .onChange = [this] { Combo1_Change(); }});
    Command2.bind({.onClick = [this] { Command2_Click(); }});
    Command3.bind({.onClick = [this] { Command3_Click(); }});
    // Shown with no handler: the preview, its title and the status line.
    File1.bind({});
    Label1.bind({});
    Label2.bind({});
    Frame1.bind({});
}

std::vector<Control*> Form4::controls() {
    return {&Frame1, &Drive1, &Dir1, &File1, &Combo1, &Command2, &Command3, &Label1, &Label2};
}

void Form4::list() {
    const QStringList masks = mediatypes::masks(File1.Pattern);
    try {
        File1.names = panel_.platform.folders.files(File1.Path, masks);
    } catch (const Failure&) {
        File1.names.clear();
    }
}

void Form4::Form_Load() {
    setLoaded(true);
    panel_.Enabled = false;
    if (Combo1.Text == QString::fromUtf8("星鲸媒体文件"))
        File1.Pattern = QStringLiteral("*.mp3;*.m3u;*.wav;*.avi;*.DAT;*.mpeg;*.midi");
    // The lists start at the process's current drive and folder.
    Drive1.drives = panel_.platform.drives.list();
    const QString current = panel_.platform.drives.currentFolder();
    Drive1.chooseDriveOf(current);
    setFolder(current);
}

void Form4::Form_Unload() {
    panel_.Enabled = true;
}

void Form4::Command3_Click() {
    panel_.Form4_Unload();
}

void Form4::setFolder(const QString& folder) {
    QStringList subs;
    try {
        subs = panel_.platform.folders.subfolders(folder);
    } catch (const Failure&) {
        // A folder that cannot be read: stay where the list was.
        return;
    }
    Dir1.Path = folder;
    Dir1.subfolders = subs;
    Dir1_Change();
}

void Form4::Drive1_Change() {
    const QString root = Drive1.root();
    const QString before = Dir1.Path;
    setFolder(root);
    if (Dir1.Path != root) {
        // Not ready: the previous drive and folder stay in force.
        Label2.Caption = notReadyText(Drive1.Drive);
        for (const DriveInfo& d : Drive1.drives)
            if (before.startsWith(d.root)) Drive1.Drive = d.text;
        return;
    }
    Command2.Enabled = true;
}

void Form4::Dir1_Change() {
    Combo1_Click();
    Command2.Enabled = true;
}

void Form4::Combo1_Change() {
    Dir1_Change();
}

void Form4::Combo1_Click() {
    File1.Pattern = mediatypes::patternFor(Combo1.Text, File1.Pattern);
    File1.Path = Dir1.Path;
    list();
    Label2.Caption = QString::fromUtf8("找到") + signedText(File1.names.size()) +
                     QString::fromUtf8("首 ") + Combo1.Text;
}

void Form4::Command2_Click() {
    File1.Path = Dir1.Path;
    list();
    const QString folder = Dir1.Path;
    QStringList paths;
    for (const QString& name : File1.names)
        paths << childPath(folder, name);
    if (paths.isEmpty()) {
        Label2.Caption = QString::fromUtf8("无文件可加！");
        Label2.ToolTipText = Label2.Caption;
        return;
    }
    panel_.listEditing.append(paths);
    Label2.Caption = QString::fromUtf8("已加入") + folder + QString::fromUtf8("内的") +
                     Combo1.Text + QString::fromUtf8("共 ") + signedText(paths.size()) +
                     QString::fromUtf8("首 ");
    Label2.ToolTipText = Label2.Caption;
    Command2.Enabled = false;
    panel_.wenjianming = true;
}

} // namespace xj
