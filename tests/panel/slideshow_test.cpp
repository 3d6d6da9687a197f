#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class SlideshowTest : public PanelTest {
protected:
    Form2& pictures(int n = 4) {
        QByteArray lines;
        for (int i = 0; i < n; ++i) {
            const QString path = QStringLiteral("/p/%1.png").arg(i);
            fake.engine.addPicture(path);
            lines += path.toUtf8() + "\r\n";
        }
        fake.writeFile("xjge.txt", lines);
        Form2& f = start();
        advance(3000); // past the start's look for a command-line file
        return f;
    }
    int interval() { return form->Timer2.Interval(); }
};

TEST_F(SlideshowTest, FastAndSlowStepThroughTheListAndSwitchByTheInterval) {
    Form2& f = pictures();
    playEntry(0);
    f.MNUHUANDENG.Click();
    EXPECT_TRUE(f.MNUHUANDENG.Checked);
    EXPECT_EQ(interval(), 3500);
    QStringList shown;
    for (int i = 0; i < 4; ++i) {
        advance(3500);
        shown << fake.engine.file;
    }
    EXPECT_EQ(shown, (QStringList{"/p/1.png", "/p/2.png", "/p/3.png", "/p/0.png"}));
    EXPECT_TRUE(f.Timer1.Enabled());

    // The other one takes over; pause ends it and leaves a stale interval, which the command
    // then turns the other way.
    f.MNUFANGHUANDENGMAN.Click();
    EXPECT_FALSE(f.MNUHUANDENG.Checked);
    EXPECT_EQ(interval(), 19000);
    f.MNUHUANDENG.Click();
    f.Command12_Click();
    EXPECT_FALSE(f.MNUHUANDENG.Checked);
    EXPECT_EQ(interval(), 3500);
    f.MNUHUANDENG.Click();
    EXPECT_TRUE(f.MNUHUANDENG.Checked);
    EXPECT_EQ(interval(), 1000);
    const QString at = fake.engine.file;
    advance(1000);
    EXPECT_NE(fake.engine.file, at);
    f.MNUHUANDENG.Click();
    EXPECT_FALSE(f.MNUHUANDENG.Checked);
    EXPECT_EQ(interval(), 3500);

    // Slow, then play: no slideshow, the interval back to 1000.
    f.MNUFANGHUANDENGMAN.Click();
    f.Command13_Click();
    EXPECT_FALSE(f.MNUFANGHUANDENGMAN.Checked);
    EXPECT_EQ(interval(), 1000);
}

TEST_F(SlideshowTest, TheTimeDisplayShowsThePositionOrTheClock) {
    Form2& f = startWith({"/m/long.mp3", "/m/b.mp3"}, 7000);
    playEntry(0);
    advance(65000);
    EXPECT_EQ(f.Label1.Caption, "01:05");
    advance(535000);
    EXPECT_EQ(f.Label1.Caption, "10:00");
    fake.engine.setPosition(6000.7);
    advance(1000);
    EXPECT_EQ(f.Label1.Caption, "100:01");
    f.Label1_Click();
    fake.clock.time = "21:07:09";
    advance(1000);
    EXPECT_EQ(f.Label1.Caption, "21:07:09");
}

TEST_F(SlideshowTest, TheBackgroundPictureShowsOnlyWhileNothingPlays) {
    Form2& f = startWith({"/m/a.avi", "/m/b.avi"}, 60);
    advance(1000);
    Image& back = player().Image1;
    EXPECT_TRUE(back.Visible);
    playEntry(0);
    advance(1000);
    EXPECT_FALSE(back.Visible);
    EXPECT_EQ(back.Top, 20000);
    f.Command14_Click();
    advance(1000);
    EXPECT_TRUE(back.Visible);
    EXPECT_EQ(back.Top, 0);

    // With one entry it stays visible, but out of sight while that entry plays.
    f.List1.RemoveItem(1);
    playEntry(0);
    advance(1000);
    EXPECT_TRUE(back.Visible);
    EXPECT_EQ(back.Top, 20000);
}

TEST_F(SlideshowTest, TheInformationDisplaySizesThePlayerWindow) {
    Form2& f = startWith({"/m/film.avi", "/m/SONG.MP3"}, 60);
    f.mnuyouxp_Click();
    ASSERT_TRUE(f.mnuyouxp.Checked);
    playEntry(1);
    Form1& p = player();
    f.MNUMIANBAN.Click();
    EXPECT_TRUE(p.MediaPlayer1.ShowDisplay());
    EXPECT_EQ(p.MediaPlayer1.Height, 1860);
    EXPECT_EQ(p.Height(), 2350);
    EXPECT_EQ(p.Width(), f.Width());
    f.MNUMIANBAN.Click();
    EXPECT_EQ(p.MediaPlayer1.Height, 720);
    EXPECT_EQ(p.Height(), 1210);
    f.mnuyouxp_Click();
    f.MNUMIANBAN.Click();
    EXPECT_EQ(p.Height(), 2235);
    f.MNUMIANBAN.Click();
    EXPECT_EQ(p.Height(), 1095);

    // A video fills the window less the title bar; the window keeps its size.
    playEntry(0);
    const int height = p.Height(), width = p.Width();
    f.MNUMIANBAN.Click();
    EXPECT_EQ(p.MediaPlayer1.Height, height - 375);
    EXPECT_EQ(p.Height(), height);
    EXPECT_EQ(p.Width(), width);

    // Minimised: only the flags flip.
    p.setWindowState(WindowState::Minimized);
    const int control = p.MediaPlayer1.Height;
    const bool shown = p.MediaPlayer1.ShowDisplay();
    f.MNUMIANBAN.Click();
    EXPECT_NE(p.MediaPlayer1.ShowDisplay(), shown);
    EXPECT_EQ(p.MediaPlayer1.Height, control);
}

} // namespace
} // namespace xj::test
