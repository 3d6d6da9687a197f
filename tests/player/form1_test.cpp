#include "support/panel_fixture.h"

namespace xj::test {
namespace {

TEST(TotalLength, WritesMinutesAndSecondsInThePrintedNumberStyle) {
    EXPECT_EQ(totalLength(125).tip, QString::fromUtf8("总长： 0 2:0 5"));
    EXPECT_EQ(totalLength(605).tip, QString::fromUtf8("总长  10:0 5"));
    EXPECT_EQ(totalLength(150).tip, QString::fromUtf8("总长 0 2: 30"));
    EXPECT_EQ(totalLength(150).tag, " 30");
    EXPECT_EQ(totalLength(-1).tip, QString::fromUtf8("总长： 0 0:0 0"));
    EXPECT_EQ(totalLength(59.9).tip, QString::fromUtf8("总长 0 0: 59"));
}

TEST(AudioTest, GoesByTheLastCharactersOfTheName) {
    EXPECT_TRUE(endsAsAudio("/a/SONG.MP3"));
    EXPECT_TRUE(endsAsAudio("/a/x.Wav"));
    EXPECT_TRUE(endsAsAudio("/a/tune.midi"));
    EXPECT_FALSE(endsAsAudio("/a/tune.mid"));
    EXPECT_FALSE(endsAsAudio("/a/film.avi"));
    EXPECT_FALSE(endsAsAudio("/a/SONG.MP3", Qt::CaseSensitive));
    EXPECT_TRUE(endsAsAudio("/a/track.FLAC"));
    EXPECT_TRUE(endsAsAudio("/a/track.ogg"));
    EXPECT_TRUE(endsAsAudio("/a/track.opus"));
    EXPECT_FALSE(endsAsAudio("/a/clip.webm"));
}

class PlayerWindowTest : public PanelTest {};

TEST_F(PlayerWindowTest, DurationKnownWritesTheTotalLengthTooltip) {
    fake.engine.addMedia("/m/a.mp3", 605.4);
    start("\"/m/a.mp3\"");
    advance(1); // the engine tells the duration from its event loop
    EXPECT_EQ(form->Label1.ToolTipText, QString::fromUtf8("总长  10:0 5"));
    EXPECT_EQ(form->Label1.Tag, "0 5");
}

TEST_F(PlayerWindowTest, AudioStripFollowsTheFrameHeightOfTheXpOption) {
    fake.engine.addMedia("/m/a.WAV", 10);
    Form2& f = start("\"/m/a.WAV\"");
    Form1& p = player();
    p.resize(3000, 4000);
    EXPECT_EQ(p.MediaPlayer1.Height, 720);
    EXPECT_EQ(p.Height(), 1095);
    // Each size change raises a nested resize, which takes the control to the new width.
    EXPECT_EQ(p.Width(), f.Width());
    EXPECT_EQ(p.MediaPlayer1.Width, f.Width());
    EXPECT_EQ(p.Image1.Height, 1095);

    f.mnuyouxp.Checked = true;
    p.resize(3000, 4000);
    EXPECT_EQ(p.Height(), 1210);
    f.MNUMIANBAN.Checked = true;
    p.resize(3000, 4000);
    EXPECT_EQ(p.MediaPlayer1.Height, 1860);
    EXPECT_EQ(p.Height(), 1860 + 490);
}

// An .ogg plays in the audio strip, not in a large black video window.
TEST_F(PlayerWindowTest, TodaysSoundOnlyFormatsPlayInTheAudioStrip) {
    fake.engine.addMedia("/m/a.ogg", 10);
    Form2& f = start("\"/m/a.ogg\"");
    Form1& p = player();
    p.resize(6000, 5000);
    EXPECT_EQ(p.MediaPlayer1.Height, 720);
    EXPECT_EQ(p.Height(), 1095);
    EXPECT_EQ(p.Width(), f.Width());
}

TEST_F(PlayerWindowTest, VideoFillsTheWindowAndTheFitCheckKeepsItSo) {
    fake.engine.addMedia("/m/film.avi", 10);
    start("\"/m/film.avi\"");
    Form1& p = player();
    p.resize(6000, 5000);
    EXPECT_EQ(p.MediaPlayer1.Width, 6000);
    EXPECT_EQ(p.MediaPlayer1.Height, 5000 - 375);
    p.MediaPlayer1.Width = 100;
    advance(1000);
    EXPECT_EQ(p.MediaPlayer1.Width, 6000);

    p.setWindowState(WindowState::Maximized);
    p.userResized(19200, 14000, WindowState::Maximized);
    p.MediaPlayer1.Width = 100;
    advance(1000);
    EXPECT_EQ(p.windowState(), WindowState::Maximized);
    EXPECT_EQ(p.MediaPlayer1.Width, 19200);
    EXPECT_EQ(p.MediaPlayer1.Height, 14000 - 375);
}

TEST_F(PlayerWindowTest, MaximisedAudioReturnsToNormalWithinASecond) {
    fake.engine.addMedia("/m/a.mp3", 100);
    start("\"/m/a.mp3\"");
    Form1& p = player();
    p.setWindowState(WindowState::Maximized);
    advance(1000);
    EXPECT_EQ(p.windowState(), WindowState::Normal);
}

TEST_F(PlayerWindowTest, FocusReturnGivesTheAudioStripsPanelTheFocusOnce) {
    fake.engine.addMedia("/m/a.mp3", 100);
    Form2& f = start("\"/m/a.mp3\"");
    Form1& p = player();
    p.Timer1.setEnabled(true);
    advance(2999);
    EXPECT_EQ(f.focusRequests(), 0u);
    advance(1);
    EXPECT_EQ(f.focusRequests(), 1u);
    EXPECT_FALSE(p.Timer1.Enabled());

    // A hidden panel cannot take the focus: an invalid call, so the timer stops as well.
    f.Visible = false;
    p.Timer1.setEnabled(true);
    advance(3000);
    EXPECT_EQ(f.focusRequests(), 1u);
    EXPECT_FALSE(p.Timer1.Enabled());

    // A tall video window keeps the focus.
    f.Visible = true;
    fake.engine.addMedia("/m/film.avi", 100);
    p.MediaPlayer1.setFileName("/m/film.avi");
    p.setHeight(5000);
    p.Timer1.setEnabled(true);
    advance(3000);
    EXPECT_EQ(f.focusRequests(), 1u);
}

TEST_F(PlayerWindowTest, ClosingThePlayerWindowEndsPlaybackAndTheNextTouchLoadsItAgain) {
    fake.engine.addMedia("/m/a.mp3", 100);
    Form2& f = start("\"/m/a.mp3\"");
    f.Command13.Enabled = true;
    f.Form1_Unload();
    EXPECT_EQ(f.form1IfLoaded(), nullptr);
    EXPECT_FALSE(fake.engine.playing());
    Form1& again = f.form1();
    EXPECT_FALSE(again.Visible);
    EXPECT_FALSE(f.Command13.Enabled);
    EXPECT_EQ(again.Left, f.Left);
}

TEST_F(PlayerWindowTest, MouseDownOnThePictureUnticksTheSlideshowItems) {
    Form2& f = start();
    f.MNUHUANDENG.Checked = true;
    f.MNUFANGHUANDENGMAN.Checked = true;
    player().MediaPlayer1_MouseDown(1, 0, 10, 10);
    EXPECT_FALSE(f.MNUHUANDENG.Checked);
    EXPECT_FALSE(f.MNUFANGHUANDENGMAN.Checked);
}

} // namespace
} // namespace xj::test
