#include "core/startup.h"
#include "platform/system.h"
#include "support/panel_fixture.h"

#include <QStringEncoder>

namespace xj::test {
namespace {

const QString kSaveQuestion =
    QString::fromUtf8("您要保存改动吗？确定保存，  按取消，将不保存改动。");

class StartupTest : public PanelTest {};

TEST_F(StartupTest, MissingPlaylistFileGivesTheWelcomeLinesAndAnEmptyFile) {
    Form2& f = start();
    EXPECT_EQ(
        entries(),
        QStringList({QString::fromUtf8("1、亲爱的用户朋友，您们好！"),
                     QString::fromUtf8("2、欢迎使用星鲸超级声海，它一定会让您满意！"),
                     QString::fromUtf8("3、本软件功能强大，几乎支持所有的多媒体格式！"),
                     QString::fromUtf8(
                         "4、请用望远镜搜索多媒体文件、MP3或打开指定位置手动添加目录或文件！")}));
    EXPECT_TRUE(fake.exists("xjge.txt"));
    EXPECT_TRUE(fake.readFile("xjge.txt").isEmpty());
    EXPECT_EQ(f.Label2.Caption, QString::fromUtf8("目录总歌曲为 4首"));
    EXPECT_FALSE(f.wenjianming);
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(StartupTest, PlaylistFileLoadsSortedSkippingEmptyLinesAndKeepsAnUnendedLastLine) {
    fake.writeFile("xjge.txt", "/m/b.mp3\r\n\r\n/m/C.mp3\n\n/m/a.mp3");
    Form2& f = start();
    EXPECT_EQ(entries(), QStringList({"/m/a.mp3", "/m/b.mp3", "/m/C.mp3"}));
    EXPECT_EQ(f.Label2.Caption, QString::fromUtf8("目录总歌曲为 3首"));
}

TEST_F(StartupTest, PlaylistFileFromAChineseSystemReadsAsGb18030) {
    const QString path = QString::fromUtf8("D:\\歌曲\\月亮代表我的心.mp3");
    QStringEncoder gb("GB18030");
    QByteArray bytes = gb.encode(path);
    bytes += "\r\n";
    fake.writeFile("xjge.txt", bytes);
    start();
    EXPECT_EQ(entries(), QStringList({path}));
}

TEST_F(StartupTest, XpOptionFileDecidesTheTickWithoutAQuestion) {
    fake.writeFile("xp.txt", " 1 \r\n");
    EXPECT_TRUE(start().mnuyouxp.Checked);
    fake.writeFile("xp.txt", "no xp\r\n");
    EXPECT_FALSE(start().mnuyouxp.Checked);
    // An empty file, as a No at the first run leaves it, reads as off without asking again.
    fake.writeFile("xp.txt", "");
    EXPECT_FALSE(start().mnuyouxp.Checked);
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(StartupTest, FirstRunAsksAndWritesTheAnswer) {
    QFile::remove(fake.file("xp.txt"));
    fake.messages.answers = {MsgResult::Yes};
    Form2& f = start();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    const ShownMessage& m = fake.messages.shown[0];
    EXPECT_EQ(m.text,
              QString::fromUtf8("亲爱的用户朋友,第一次使用需要判别您使用的系统是否是WINDOWS "
                                "XP，如是XP，按确定， 否则按取消。"));
    EXPECT_EQ(m.title, QString::fromUtf8("星鲸超级声海提示"));
    EXPECT_EQ(m.buttons, MsgButtons::YesNo);
    EXPECT_EQ(m.icon, MsgIcon::Information);
    EXPECT_EQ(fake.readFile("xp.txt"), QByteArray(" 1 \r\n"));
    EXPECT_TRUE(f.mnuyouxp.Checked);
    // The count caption is not written on this path; the list is loaded all the same.
    EXPECT_TRUE(f.Label2.Caption.isEmpty());
    EXPECT_EQ(f.List1.ListCount(), 4);

    QFile::remove(fake.file("xp.txt"));
    fake.messages.answers = {MsgResult::No};
    Form2& again = start();
    EXPECT_TRUE(fake.exists("xp.txt"));
    EXPECT_TRUE(fake.readFile("xp.txt").isEmpty());
    EXPECT_FALSE(again.mnuyouxp.Checked);
}

TEST_F(StartupTest, SecondInstanceShowsItsMessageAndEndsBeforeAnythingElse) {
    fake.instance.another = true;
    QFile::remove(fake.file("xp.txt"));
    Form2& f = start();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text, QString::fromUtf8("星鲸超级声海已经运行了！"));
    EXPECT_EQ(fake.messages.shown[0].title, QString::fromUtf8("提示"));
    EXPECT_EQ(fake.messages.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(fake.exit.ends, 1);
    EXPECT_TRUE(f.ended());
    EXPECT_FALSE(f.Visible);
    EXPECT_EQ(f.List1.ListCount(), 0);
}

TEST_F(StartupTest, PanelComesUpWithTheMenuBarAndItsStartingSize) {
    Form2& f = start();
    EXPECT_TRUE(f.Visible);
    for (Menu* m : f.menuBar())
        EXPECT_TRUE(m->Visible) << m->Name.toStdString();
    EXPECT_FALSE(f.MNUBO.Visible);
    EXPECT_FALSE(f.MNUYINCANG.Enabled);
    // The menu bar's allowance on top of the starting size: the list keeps its 1320, and
    // hiding and showing the bar again comes back to the same size.
    EXPECT_EQ(f.Width(), 5040);
    EXPECT_EQ(f.Height(), 2325 + 285);
    EXPECT_EQ(f.fixedheight, 1005);
    EXPECT_EQ(f.List1.Height, 1320);
    f.Command26_Click();
    f.Command26_Click();
    EXPECT_EQ(f.Height(), 2325 + 285);
    EXPECT_EQ(f.List1.Height, 1320);
    EXPECT_EQ(f.mnuwen.items[0]->Picture, "imOpen");
    EXPECT_EQ(f.MNUBO2.items[15]->Picture, "Image5");
    EXPECT_EQ(f.MNUSAN546.Picture, "Image3");
    EXPECT_EQ(f.mnujie.Picture, "Image7");
    // The first layout pass created the player window, hidden, above the panel.
    ASSERT_NE(f.form1IfLoaded(), nullptr);
    Form1& p = *f.form1IfLoaded();
    EXPECT_FALSE(p.Visible);
    EXPECT_EQ(p.Top + p.Height(), Form2::DesignTop);
    EXPECT_FALSE(f.Command13.Enabled);
    EXPECT_EQ(f.Caption, QString::fromUtf8("星鲸超级声海目录"));
}

TEST_F(StartupTest, CommandLineFilePlaysInThePlayerWindowAboveThePanel) {
    fake.engine.addMedia("/music/song.mp3", 30);
    Form2& f = start("\"/music/song.mp3\"");
    EXPECT_EQ(f.Caption, "/music/song.mp3");
    EXPECT_TRUE(f.wenjianming);
    EXPECT_EQ(fake.engine.file, "/music/song.mp3");
    EXPECT_TRUE(fake.engine.playing());
    Form1& p = player();
    EXPECT_TRUE(p.Visible);
    EXPECT_EQ(p.Left, f.Left);
    EXPECT_EQ(p.Top + p.Height(), f.Top);
    EXPECT_EQ(p.Width(), f.Width());
    EXPECT_EQ(p.MediaPlayer1.Height, 720);
}

TEST_F(StartupTest, CommandLineIsTakenAsAQuotedPath) {
    EXPECT_EQ(commandLinePath("\"/a/b.mp3\""), "/a/b.mp3");
    EXPECT_EQ(commandLinePath("/a/b.mp3"), "a/b.mp");
    EXPECT_EQ(commandLinePath("\"a\""), "");
    EXPECT_EQ(commandLinePath("\"ab\""), "ab");
    Form2& f = start("\"a\"");
    EXPECT_EQ(f.Caption, QString::fromUtf8("星鲸超级声海目录"));
    EXPECT_FALSE(f.wenjianming);
    EXPECT_TRUE(fake.engine.file.isEmpty());
}

TEST_F(StartupTest, AnUnquotedPathWithBlanksReachesThePlayerWhole) {
    const QString path = QString::fromUtf8("/音乐/my song.mp3");
    fake.engine.addMedia(path, 30);
    const QString line = shellCommandLine({QString::fromUtf8("/音乐/my"), "song.mp3"});
    Form2& f = start(line);
    EXPECT_EQ(f.Caption, path);
    EXPECT_EQ(fake.engine.file, path);
    EXPECT_TRUE(fake.engine.playing());
    // One argument already in quotes stays as it is; no argument is no command line.
    EXPECT_EQ(shellCommandLine({"\"/a/b c.mp3\""}), "\"/a/b c.mp3\"");
    EXPECT_EQ(shellCommandLine({"/a/b.mp3"}), "\"/a/b.mp3\"");
    EXPECT_TRUE(shellCommandLine({}).isEmpty());
}

TEST_F(StartupTest, UnplayableCommandLineFileEndsTheLoadSilently) {
    Form2& f = start("\"/nowhere/gone.avi\"");
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_TRUE(f.Visible);
    EXPECT_EQ(f.Caption, "/nowhere/gone.avi");
    EXPECT_EQ(f.List1.ListCount(), 4);
}

TEST_F(StartupTest, ClosingAsksToSaveOnlyAfterAChange) {
    Form2& f = start();
    f.Form_Unload();
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_TRUE(f.ended());

    Form2& g = start();
    g.wenjianming = true;
    fake.messages.answers = {MsgResult::No};
    g.Form_Unload();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text, kSaveQuestion);
    EXPECT_EQ(fake.messages.shown[0].title, QString::fromUtf8("星鲸超级声海提示"));
    EXPECT_TRUE(fake.readFile("xjge.txt").isEmpty());
    EXPECT_TRUE(g.ended());
    EXPECT_EQ(g.form1IfLoaded(), nullptr);
}

TEST_F(StartupTest, SavingOnCloseWritesOneEntryALineEndedByCrLf) {
    fake.writeFile("xjge.txt", "/m/b.mp3\n/m/a.mp3\n");
    Form2& f = start();
    f.List1.AddItem(QString::fromUtf8("/m/歌.mp3"), 0);
    f.wenjianming = true;
    fake.messages.answers = {MsgResult::Yes};
    f.Form_Unload();
    EXPECT_EQ(fake.readFile("xjge.txt"),
              QString::fromUtf8("/m/歌.mp3\r\n/m/a.mp3\r\n/m/b.mp3\r\n").toUtf8());
    EXPECT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_TRUE(f.ended());
}

TEST_F(StartupTest, AFailedSaveOnCloseSaysSoAndKeepsTheProgramRunning) {
    Form2& f = start();
    f.wenjianming = true;
    fake.folder.remove();
    fake.messages.answers = {MsgResult::Yes};
    f.Form_Unload();
    ASSERT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_TRUE(fake.messages.shown[1].text.startsWith(QString::fromUtf8("无法写入目录库文件")));
    EXPECT_FALSE(f.ended());
    EXPECT_EQ(f.List1.ListCount(), 4);
}

TEST_F(StartupTest, ExitEndsAtOnceAndSaveChangesClearsTheFlagWhateverTheAnswer) {
    Form2& f = start();
    f.wenjianming = true;
    f.mnuTui.Click();
    EXPECT_TRUE(f.ended());
    EXPECT_TRUE(fake.messages.shown.empty());

    Form2& g = start();
    g.wenjianming = true;
    fake.messages.answers = {MsgResult::No};
    g.mnuwengjianbaochun.Click();
    EXPECT_FALSE(g.wenjianming);
    EXPECT_EQ(fake.messages.shown.back().text,
              QString::fromUtf8(
                  "你确定要把当前目录中所有的歌名加入目录库吗？按确定加入，  按取消退出。"));
    EXPECT_TRUE(fake.readFile("xjge.txt").isEmpty());
    g.Form_Unload();
    EXPECT_EQ(fake.messages.shown.size(), 1u);

    Form2& h = start();
    h.List1.AddItem("/x/1.mp3");
    fake.messages.answers = {MsgResult::Yes};
    h.mnuwengjianbaochun.Click();
    EXPECT_EQ(fake.readFile("xjge.txt"), QByteArray("/x/1.mp3\r\n"));
}

} // namespace
} // namespace xj::test
