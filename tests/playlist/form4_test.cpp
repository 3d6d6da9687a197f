#include "support/folder_tree.h"
#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class FolderBrowserTest : public PanelTest {
protected:
    Form4& open() {
        fake.drives.drives = {{"c: [tree]", tree.root()},
                              {"a: [floppy]", tree.path("no-such-drive/")}};
        fake.drives.current = tree.path("songs/");
        fake.writeFile("xjge.txt", "");
        Form2& f = start();
        f.Command8_Click();
        return *f.form4IfLoaded();
    }
    FolderTree tree;
};

// Both drive lists start on the drive whose folder holds the current folder most closely,
// wherever it stands in the list.
TEST_F(FolderBrowserTest, BothDriveListsStartOnTheClosestDrive) {
    tree.folder("songs/inner");
    fake.drives.drives = {{"d: [songs]", tree.path("songs/")},
                          {"c: [tree]", tree.root()},
                          {"e: [inner]", tree.path("songs/inner/")}};
    fake.drives.current = tree.path("songs/inner");
    fake.writeFile("xjge.txt", "");
    Form2& f = start();
    EXPECT_EQ(f.Drive1.Drive, "d: [songs]");
    f.Command8_Click();
    EXPECT_EQ(f.form4IfLoaded()->Drive1.Drive, "d: [songs]");
}

TEST_F(FolderBrowserTest, OpensOnTheCurrentFolderWithThePanelDisabled) {
    tree.file(QString::fromUtf8("songs/一.mp3"));
    tree.file("songs/b.WAV");
    tree.file("songs/c.txt");
    tree.folder("songs/inner");
    Form4& w = open();
    EXPECT_FALSE(form->Enabled);
    EXPECT_TRUE(w.Visible);
    EXPECT_EQ(w.Caption, QString::fromUtf8("星鲸超级声海--打开文件"));
    EXPECT_EQ(w.Drive1.Drive, "c: [tree]");
    EXPECT_EQ(w.Dir1.Path, tree.path("songs/"));
    EXPECT_EQ(w.Dir1.subfolders, QStringList({tree.path("songs/inner")}));
    EXPECT_EQ(w.File1.names.size(), 2);
    EXPECT_EQ(w.Label2.Caption, QString::fromUtf8("找到 2首 星鲸媒体文件"));
    EXPECT_EQ(w.Label1.Caption, QString::fromUtf8("搜索预览"));
    w.Command3_Click();
    EXPECT_EQ(form->form4IfLoaded(), nullptr);
    EXPECT_TRUE(form->Enabled);
}

TEST_F(FolderBrowserTest, AddAllOnceUntilTheFolderOrTypedTypeChanges) {
    tree.file("songs/a.mp3");
    tree.file("songs/b.mp3");
    tree.file("a.mp3");
    Form4& w = open();
    w.Command2_Click();
    EXPECT_EQ(entries(), QStringList({tree.path("songs/a.mp3"), tree.path("songs/b.mp3")}));
    const QString added = QString::fromUtf8("已加入") + tree.path("songs/") +
                          QString::fromUtf8("内的星鲸媒体文件共  2首 ");
    EXPECT_EQ(w.Label2.Caption, added);
    EXPECT_EQ(w.Label2.ToolTipText, added);
    EXPECT_FALSE(w.Command2.Enabled);
    EXPECT_TRUE(form->wenjianming);

    // Choosing a type from the list keeps the button off; typing one turns it on.
    w.Combo1.Text = QString::fromUtf8("MP3文件");
    w.Combo1_Click();
    EXPECT_FALSE(w.Command2.Enabled);
    w.Combo1.Text = "*.mp3";
    w.Combo1_Change();
    EXPECT_TRUE(w.Command2.Enabled);

    // From the drive's root the entries are the root and the name.
    w.Drive1.Drive = "c: [tree]";
    w.Drive1_Change();
    w.Command2_Click();
    EXPECT_TRUE(entries().contains(tree.path("a.mp3")));
    EXPECT_EQ(form->List1.ListCount(), 3);
}

TEST_F(FolderBrowserTest, TodaysFormatsFollowTheOriginalTypesInBothBoxes) {
    tree.file("songs/a.flac");
    tree.file("songs/b.opus");
    tree.file("songs/c.mkv");
    tree.file("songs/d.webp");
    Form4& w = open();
    const QStringList added = {QString::fromUtf8("常用音频文件"), QString::fromUtf8("常用视频文件"),
                               QString::fromUtf8("常用图片文件")};
    for (const std::vector<QString>* items : {&w.Combo1.items, &form->Combo1.items}) {
        ASSERT_EQ(items->size(), 17u);
        EXPECT_EQ(items->at(13), QString::fromUtf8("所有文件"));
        EXPECT_EQ(QStringList(items->begin() + 14, items->end()), added);
    }
    w.Combo1.Text = added[0];
    w.Combo1_Click();
    EXPECT_EQ(w.Label2.Caption, QString::fromUtf8("找到 2首 常用音频文件"));
    w.Combo1.Text = added[1];
    w.Combo1_Click();
    EXPECT_EQ(w.File1.names, QStringList({"c.mkv"}));
}

TEST_F(FolderBrowserTest, EmptyFolderAndADriveThatIsNotReady) {
    tree.folder("songs");
    tree.file("songs/clip.DAT");
    Form4& w = open();
    w.Combo1.Text = QString::fromUtf8("VCD文件");
    w.Combo1_Click();
    EXPECT_EQ(w.Label2.Caption, QString::fromUtf8("找到 1首 VCD文件"));
    w.Combo1.Text = QString::fromUtf8("GIF图片");
    w.Combo1_Click();
    EXPECT_EQ(w.Label2.Caption, QString::fromUtf8("找到 0首 GIF图片"));
    form->wenjianming = false;
    w.Command2_Click();
    EXPECT_EQ(w.Label2.Caption, QString::fromUtf8("无文件可加！"));
    EXPECT_TRUE(w.Command2.Enabled);
    EXPECT_FALSE(form->wenjianming);

    w.Drive1.Drive = "a: [floppy]";
    w.Drive1_Change();
    EXPECT_EQ(w.Label2.Caption, QString::fromUtf8("驱动器 A: [FLOPPY] 未准备好！"));
    EXPECT_EQ(w.Drive1.Drive, "c: [tree]");
    EXPECT_EQ(w.Dir1.Path, tree.path("songs/"));
}

} // namespace
} // namespace xj::test
