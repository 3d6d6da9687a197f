#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class PlayEntryTest : public PanelTest {};

TEST_F(PlayEntryTest, DoubleClickPlaysTheEntryInAnAudioStripAboveThePanel) {
    Form2& f = startWith({"/m/a.mp3", "/m/b.WAV", "/m/c.mp3"});
    Form1& p = player();
    const int heightBefore = p.Height();
    playEntry(1);
    EXPECT_EQ(fake.engine.file, "/m/b.WAV");
    EXPECT_TRUE(fake.engine.playing());
    EXPECT_EQ(f.listbian, 1);
    EXPECT_EQ(f.Label4.Caption, "2");
    EXPECT_TRUE(p.Visible);
    EXPECT_EQ(p.MediaPlayer1.Height, 720);
    EXPECT_EQ(p.Height(), 1095);
    EXPECT_EQ(p.Width(), f.Width());
    EXPECT_EQ(p.Top, f.Top - heightBefore); // the top is set before the height
    for (Control* c : {&f.Command12, &f.Command13, &f.Command14, &f.Command24, &f.Command25})
        EXPECT_TRUE(c->Enabled) << c->Name.toStdString();
    EXPECT_TRUE(f.MNUHUANDENG.Enabled);
    EXPECT_TRUE(f.MNUFANGHUANDENGMAN.Enabled);
    EXPECT_TRUE(f.Timer1.Enabled());
    EXPECT_TRUE(p.Timer1.Enabled());

    f.mnuyouxp.Checked = true;
    playEntry(0);
    EXPECT_EQ(p.Height(), 1210);
}

TEST_F(PlayEntryTest, VideoGrowsALowWindowAndKeepsItOnScreen) {
    Form2& f = startWith({"/m/film.avi"});
    Form1& p = player();
    p.Top = -50;
    p.setHeight(1500);
    playEntry(0);
    EXPECT_EQ(p.Height(), 5000);
    EXPECT_EQ(p.MediaPlayer1.Height, 5000 - 375);
    EXPECT_EQ(p.Top, 100);
    EXPECT_EQ(f.listbian, 0);
}

TEST_F(PlayEntryTest, MaximisedPlayerIsNotResized) {
    Form2& f = startWith({"/m/a.mp3"});
    Form1& p = player();
    p.userResized(19200, 14000, WindowState::Maximized);
    playEntry(0);
    EXPECT_EQ(p.Height(), 14000);
    EXPECT_EQ(p.MediaPlayer1.Width, f.Width());
}

TEST_F(PlayEntryTest, AnEntryThatCannotBePlayedIsReportedWhileTheNextPlays) {
    Form2& f = startWith({"/m/a.mp3", "/m/b.mp3"});
    f.List1.AddItem("/m/gone.mp3", 1); // a, gone, b
    playEntry(2);
    QString playingWhileShown;
    fake.messages.onShow = [&](const ShownMessage&) {
        playingWhileShown = fake.engine.playing() ? fake.engine.file : QString();
    };
    const int buttonsBefore = f.Label4.Caption.toInt();
    playEntry(1);
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(
        fake.messages.shown[0].text,
        QString::fromUtf8("从该媒体指向的路径无法找到文件或该文件不是合法的多媒体，故无法播放,"
                          "请删除。现播放下一首."));
    EXPECT_EQ(fake.messages.shown[0].title, QString::fromUtf8("星鲸声海"));
    EXPECT_EQ(fake.messages.shown[0].buttons, MsgButtons::Ok);
    // The skip starts from the entry played before (2), so it wraps to entry 0.
    EXPECT_EQ(playingWhileShown, "/m/a.mp3");
    EXPECT_EQ(f.listbian, 0);
    EXPECT_EQ(f.Label4.Caption.toInt(), buttonsBefore); // the status timer writes it later
    EXPECT_TRUE(isTrue(f.sans));
    EXPECT_TRUE(f.Timer1.Enabled());
}

TEST_F(PlayEntryTest, WelcomeLineTakesTheFailurePathAndTheNextEntryPlays) {
    fake.engine.addMedia(QString::fromUtf8("2、欢迎使用星鲸超级声海，它一定会让您满意！"), 5);
    Form2& f = start();
    QString playingWhileShown;
    fake.messages.onShow = [&](const ShownMessage&) { playingWhileShown = fake.engine.file; };
    playEntry(0);
    EXPECT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(playingWhileShown, f.List1.List(1));
    EXPECT_TRUE(fake.engine.playing());
    EXPECT_EQ(f.listbian, 1);
    EXPECT_EQ(f.List1.ListIndex(), 1);
}

} // namespace
} // namespace xj::test
