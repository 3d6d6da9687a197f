#include "playlist/media_types.h"
#include "support/folder_tree.h"
#include "support/panel_fixture.h"

#include <QProcess>

namespace xj::test {
namespace {

class DriveSearchTest : public PanelTest {
protected:
    // The drive list: c: stands for the tree, a: for a folder that is not there.
    Form2& startOn(const QString& letter = "d:") {
        fake.drives.drives = {{letter + " [tree]", tree.root()},
                              {"a: [floppy]", tree.path("no-such-drive/")}};
        fake.drives.current = tree.root();
        fake.writeFile("xjge.txt", "");
        return start();
    }
    QString question(const QString& drive, const QString& type) {
        return QString::fromUtf8("你确定要搜索 ") + drive + QString::fromUtf8(" 盘的 ") + type +
               QString::fromUtf8(" 吗？按确定搜索，按取消退出。");
    }
    FolderTree tree;
};

TEST_F(DriveSearchTest, FindsTheTypeBreadthFirstAndWritesTheResultLabels) {
    tree.file("a.mp3");
    tree.file("B.MP3");
    tree.file("note.txt");
    tree.file("sub/c.mp3");
    tree.file("sub/deep/d.mp3");
    tree.file(".hidden/e.mp3");
    tree.file("sub/.f.mp3");
    Form2& f = startOn();
    f.Command1_Click();
    EXPECT_EQ(fake.messages.shown.at(0).text, question("D:", QString::fromUtf8("MP3文件")));
    EXPECT_EQ(entries(), QStringList({tree.path("a.mp3"), tree.path("B.MP3"),
                                      tree.path("sub/c.mp3"), tree.path("sub/deep/d.mp3")}));
    EXPECT_EQ(f.Label3.Caption, QString::fromUtf8("找到 4首MP3文件"));
    EXPECT_EQ(f.Label2.Caption, QString::fromUtf8(" 4 个文件"));
    EXPECT_TRUE(f.wenjianming);
    EXPECT_EQ(fake.progress.folders, QStringList({tree.path("sub"), tree.path("sub/deep")}));

    // Searching twice adds every file twice.
    f.MNUCA.Click();
    EXPECT_EQ(f.List1.ListCount(), 8);
    EXPECT_EQ(f.Label3.Caption, QString::fromUtf8("找到 4首MP3文件"));
    EXPECT_EQ(f.Label2.Caption, QString::fromUtf8(" 8 个文件"));
}

TEST_F(DriveSearchTest, NoChangesNothingAndATypedPatternIsUsed) {
    tree.file("x.wav");
    tree.file("y.mp3");
    Form2& f = startOn();
    fake.messages.answers = {MsgResult::No};
    f.Command1_Click();
    EXPECT_EQ(f.List1.ListCount(), 0);
    EXPECT_FALSE(f.wenjianming);
    EXPECT_EQ(f.Label3.Caption, QString::fromUtf8("尚未搜索"));

    f.Combo1.Text = "*.wav";
    f.Combo1_KeyDown(13);
    EXPECT_EQ(entries(), QStringList({tree.path("x.wav")}));
    // Text that is neither a label nor a pattern searches with the last pattern.
    f.Combo1.Text = "wav";
    f.Command1_Click();
    EXPECT_EQ(f.List1.ListCount(), 2);
    EXPECT_EQ(f.File1.Pattern, "*.wav");
}

TEST_F(DriveSearchTest, TodaysPictureTypeFindsWebpAndTiff) {
    tree.file("a.webp");
    tree.file("b.TIFF");
    tree.file("c.psd");
    Form2& f = startOn();
    f.Combo1.Text = QString::fromUtf8("常用图片文件");
    f.Combo1_KeyDown(13);
    EXPECT_EQ(entries(), QStringList({tree.path("a.webp"), tree.path("b.TIFF")}));
}

TEST_F(DriveSearchTest, DriveThatIsNotReadySaysSoAndKeepsTheResultLine) {
    Form2& f = startOn();
    f.Drive1.Drive = "a: [floppy]";
    f.Command1_Click();
    EXPECT_EQ(f.Label2.Caption, QString::fromUtf8("驱动器 A: [FLOPPY] 未准备好！"));
    EXPECT_EQ(f.Label3.Caption, QString::fromUtf8("尚未搜索"));
    EXPECT_TRUE(f.wenjianming);
}

TEST_F(DriveSearchTest, SystemDriveWalkEndsAfter701QueuedFolders) {
    for (int i = 0; i < 703; ++i)
        tree.file(QStringLiteral("f%1/x.mp3").arg(i, 4, 10, QChar('0')));
    Form2& f = startOn("c:");
    f.Command1_Click();
    EXPECT_EQ(f.List1.ListCount(), 701);
    EXPECT_EQ(f.Label3.Caption, QString::fromUtf8("找到 701首MP3文件"));
    EXPECT_EQ(f.Label2.Caption, QString::fromUtf8(" 701 个文件"));
}

TEST_F(DriveSearchTest, CancelKeepsWhatWasFoundAndWritesTheLabels) {
    for (int i = 0; i < 5; ++i)
        tree.file(QStringLiteral("f%1/x.mp3").arg(i));
    Form2& f = startOn();
    fake.progress.cancelAfter = 3;
    f.Command1_Click();
    EXPECT_EQ(f.List1.ListCount(), 2);
    EXPECT_EQ(f.Label3.Caption, QString::fromUtf8("找到 2首MP3文件"));
    EXPECT_EQ(fake.progress.begun, 1);
    EXPECT_EQ(fake.progress.ended, 1);
}

TEST_F(DriveSearchTest, LinksAreNotFollowed) {
    tree.file("real/a.mp3");
    QFile::link(tree.path("real"), tree.path("link"));
    QFile::link(tree.path("real/a.mp3"), tree.path("b.mp3"));
    Form2& f = startOn();
    f.Command1_Click();
    EXPECT_EQ(entries(), QStringList({tree.path("real/a.mp3")}));
}

// Most names are judged on their bytes; whatever a name holds (capitals, Chinese, a letter
// that folds to an ASCII one, a missing dot), the search takes exactly the files the type's
// rule takes, and the walk still goes breadth-first in name order.
TEST_F(DriveSearchTest, TakesExactlyTheFilesTheTypesRuleTakesWhateverTheirNames) {
    const QStringList names = {"a.mp3",      "B.MP3",      "c.Mp3",   "mp3",      "d.mp3.txt",
                               "e.mp",       "音乐.mp3",   "歌.MP3",  "f.mkv",    "G.MKV",
                               "h.m\u212Av", "i.mk\u017F", "j.mk",    " .mkv",    "k.wav",
                               "l.WAV",      "m.mp3 ",     "n.m[k]v", "o.MP3.Mp3"};
    for (const QString& name : names) {
        tree.file("one/" + name);
        tree.file("two/deeper/" + name);
    }
    Form2& f = startOn();
    for (const QString type : {"*.mp3", "*.mkv", "*.mp3;*.wav", "*.m?v", "*.m[k]v", "*.*"}) {
        SCOPED_TRACE(type.toStdString());
        f.List1.Clear();
        fake.progress.folders.clear();
        f.Combo1.Text = type;
        f.Command1_Click();
        QStringList expected;
        for (const QString folder : {"one/", "two/deeper/"})
            for (const QString& name : names)
                if (mediatypes::matches(name, mediatypes::masks(type)))
                    expected << tree.path(folder + name);
        QStringList found = entries();
        found.sort();
        expected.sort();
        EXPECT_EQ(found, expected);
        EXPECT_EQ(fake.progress.folders,
                  QStringList({tree.path("one"), tree.path("two"), tree.path("two/deeper")}));
    }
}

// On a tree no test wrote, the search finds what find counts under the same rules: hidden
// names left out, links not followed, case ignored.
TEST_F(DriveSearchTest, CountsWhatFindCountsOnASystemTree) {
    const QString root = "/usr/share/";
    fake.drives.drives = {{"e: [share]", root}};
    fake.drives.current = root;
    fake.writeFile("xjge.txt", "");
    int total = 0;
    for (const QString mask : {"*.wav", "*.png", "*.gz"}) {
        QProcess find;
        find.start("sh", {"-c", "find /usr/share -name '.*' -prune -o -type f -iname '" + mask +
                                    "' -print | wc -l"});
        ASSERT_TRUE(find.waitForFinished(120000));
        const int expected = find.readAllStandardOutput().trimmed().toInt();
        Form2& f = start();
        f.Combo1.Text = mask;
        f.Command1_Click();
        EXPECT_EQ(f.List1.ListCount(), std::min(expected, ListBox::MaxCount)) << mask.toStdString();
        total += expected;
    }
    EXPECT_GT(total, 0);
}

} // namespace
} // namespace xj::test
