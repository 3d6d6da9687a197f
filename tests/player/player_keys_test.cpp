#include "support/panel_fixture.h"

namespace xj::test {
namespace {

constexpr int Space = 32, Left = 37, Right = 39, KeyF = 70, Escape = 27;

class PlayerKeysTest : public PanelTest {};

TEST_F(PlayerKeysTest, SpacePausesWhatPlaysAndPlaysWhatIsPaused) {
    startWith({"/m/a.mp3", "/m/b.mp3"}, 60);
    playEntry(0);
    advance(5000);
    ASSERT_TRUE(fake.engine.playing());

    player().Form_KeyDown(Space);
    EXPECT_FALSE(fake.engine.playing());
    // Pause's own mark: stop is disabled.
    EXPECT_FALSE(form->Command14.Enabled);
    const double held = fake.engine.pos;
    advance(3000);
    EXPECT_EQ(fake.engine.pos, held);

    player().Form_KeyDown(Space);
    EXPECT_TRUE(fake.engine.playing());
    EXPECT_TRUE(form->Command14.Enabled);

    // After stop, Space plays the entry again from its start.
    form->Command14_Click();
    player().Form_KeyDown(Space);
    EXPECT_TRUE(fake.engine.playing());
    EXPECT_EQ(form->listbian, 0);

    // A new player window has its buttons disabled: Space plays the highlighted entry.
    form->Form1_Unload();
    form->List1.setSelected(0, false);
    form->List1.setSelected(1, true);
    player().Form_KeyDown(Space);
    EXPECT_EQ(fake.engine.file, "/m/b.mp3");
    EXPECT_TRUE(fake.engine.playing());
}

TEST_F(PlayerKeysTest, ArrowsSeekFiveSecondsAndNeverLandOnTheEndMark) {
    startWith({"/m/a.mp3", "/m/b.mp3"}, 60);
    playEntry(0);
    advance(20000);
    player().Form_KeyDown(Right);
    EXPECT_NEAR(fake.engine.pos, 25, 1e-9);
    player().Form_KeyDown(Left);
    player().Form_KeyDown(Left);
    EXPECT_NEAR(fake.engine.pos, 15, 1e-9);

    // Back past the start: the start, but not 0, which the status timer reads as the end.
    for (int i = 0; i < 4; ++i)
        player().Form_KeyDown(Left);
    EXPECT_EQ(fake.engine.pos, 0.05);
    form->Command12_Click();
    advance(6000);
    EXPECT_EQ(fake.engine.file, "/m/a.mp3");
    EXPECT_EQ(form->listbian, 0);

    // Paused, a seek keeps it paused; the bar's seek is the same one.
    player().Form_KeyDown(Right);
    EXPECT_NEAR(fake.engine.pos, 5.05, 1e-9);
    player().seekTo(42);
    EXPECT_EQ(fake.engine.pos, 42);
    player().seekTo(-3);
    EXPECT_EQ(fake.engine.pos, 0.05);
    EXPECT_FALSE(fake.engine.playing());

    // Past the end the entry ends, as it would playing there, and the next one follows.
    form->Command13_Click();
    player().seekTo(58);
    for (int i = 0; i < 2; ++i)
        player().Form_KeyDown(Right);
    advance(2500);
    EXPECT_EQ(fake.engine.file, "/m/b.mp3");
}

TEST_F(PlayerKeysTest, ArrowsLeaveAPictureAndAnEmptyPlayerAlone) {
    fake.engine.addPicture("/m/p.jpg");
    fake.writeFile("xjge.txt", "/m/p.jpg\r\n");
    start();
    player().Form_KeyDown(Right);
    EXPECT_FALSE(fake.engine.calls.join(',').contains("position"));
    playEntry(0);
    advance(3000);
    player().Form_KeyDown(Left);
    player().Form_KeyDown(Right);
    player().seekTo(1);
    EXPECT_FALSE(fake.engine.calls.join(',').contains("position"));
}

TEST_F(PlayerKeysTest, FullScreenIsAMaximisedPictureThatReturnsToItsPlace) {
    startWith({"/m/film.avi", "/m/song.mp3"}, 600);
    playEntry(0);
    Form1& p = player();
    p.Move(900, 600, 7000, 5500);
    EXPECT_FALSE(p.FullScreen());

    p.Form_KeyDown(KeyF);
    EXPECT_TRUE(p.FullScreen());
    EXPECT_EQ(p.windowState(), WindowState::Maximized);
    // The window system makes it the screen's size; the picture fills it.
    p.userResized(28800, 16200, WindowState::Maximized);
    advance(1000);
    EXPECT_TRUE(p.FullScreen());
    EXPECT_EQ(p.MediaPlayer1.Width, 28800);
    EXPECT_EQ(p.MediaPlayer1.Height, 16200 - p.frameHeight());

    p.Form_KeyDown(Escape);
    EXPECT_FALSE(p.FullScreen());
    EXPECT_EQ(p.windowState(), WindowState::Normal);
    EXPECT_EQ(p.Left, 900);
    EXPECT_EQ(p.Top, 600);
    EXPECT_EQ(p.Width(), 7000);
    EXPECT_EQ(p.Height(), 5500);
    EXPECT_EQ(p.MediaPlayer1.Height, 5500 - p.frameHeight());
    // Escape in a normal window does nothing.
    p.Form_KeyDown(Escape);
    EXPECT_EQ(p.windowState(), WindowState::Normal);

    // A double click on the picture goes in and out as F does.
    p.MediaPlayer1_DblClick();
    EXPECT_TRUE(p.FullScreen());
    p.MediaPlayer1_DblClick();
    EXPECT_FALSE(p.FullScreen());
    EXPECT_EQ(p.Width(), 7000);

    // Leaving through the window system ends it, and a later maximise is only a maximise.
    p.Form_KeyDown(KeyF);
    p.userResized(7000, 5500, WindowState::Normal);
    EXPECT_FALSE(p.FullScreen());
    p.userResized(28800, 16200, WindowState::Maximized);
    EXPECT_FALSE(p.FullScreen());
    p.userResized(7000, 5500, WindowState::Normal);

    // The audio strip has no full screen; an audio entry ends it with the maximised state.
    p.Form_KeyDown(KeyF);
    ASSERT_TRUE(p.FullScreen());
    form->Command25_Click();
    ASSERT_EQ(fake.engine.file, "/m/song.mp3");
    advance(1000);
    EXPECT_FALSE(p.FullScreen());
    EXPECT_EQ(p.windowState(), WindowState::Normal);
    p.Form_KeyDown(KeyF);
    p.MediaPlayer1_DblClick();
    EXPECT_FALSE(p.FullScreen());
    EXPECT_EQ(p.windowState(), WindowState::Normal);
}

} // namespace
} // namespace xj::test
