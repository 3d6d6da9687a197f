#include "form/failure.h"
#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class NavigationTest : public PanelTest {
protected:
    Form2& startWithEntries(int n) {
        QStringList paths;
        for (int i = 0; i < n; ++i)
            paths << QStringLiteral("/m/%1.mp3").arg(i, 2, 10, QChar('0'));
        return startWith(paths, 60);
    }
};

TEST_F(NavigationTest, NextAndPreviousWrapAroundAtBothEnds) {
    Form2& f = startWithEntries(4);
    playEntry(3);
    f.Command25_Click();
    EXPECT_EQ(f.listbian, 0);
    EXPECT_EQ(fake.engine.file, "/m/00.mp3");
    EXPECT_EQ(f.List1.ListIndex(), 0);
    EXPECT_TRUE(f.List1.Selected(0));
    EXPECT_FALSE(f.List1.Selected(3));
    f.Command24_Click();
    EXPECT_EQ(f.listbian, 3);
    EXPECT_EQ(fake.engine.file, "/m/03.mp3");
    EXPECT_EQ(f.List1.ListIndex(), 3);
}

TEST_F(NavigationTest, HighlightStepsFromWhereTheUserLeftIt) {
    Form2& f = startWithEntries(8);
    playEntry(2);
    f.List1.setSelected(2, false);
    f.List1.setSelected(5, true);
    f.Command25_Click();
    EXPECT_EQ(f.listbian, 3);
    EXPECT_EQ(f.List1.ListIndex(), 6);
    EXPECT_FALSE(f.List1.Selected(5));

    playEntry(1);
    f.List1.setSelected(1, false);
    f.List1.setSelected(0, true);
    f.Command24_Click();
    EXPECT_EQ(f.listbian, 0);
    EXPECT_EQ(f.List1.ListIndex(), 0);
    EXPECT_TRUE(f.List1.Selected(0));
}

TEST_F(NavigationTest, SingleEntryPlaysAgainAndAnEmptyListStartsNothing) {
    Form2& f = startWithEntries(1);
    playEntry(0);
    const int loads = fake.engine.loads;
    f.Command25_Click();
    f.Command24_Click();
    EXPECT_EQ(fake.engine.loads, loads + 2);
    EXPECT_EQ(f.listbian, 0);
    EXPECT_TRUE(f.List1.Selected(0));

    f.List1.Clear();
    const int before = fake.engine.loads;
    f.Command25_Click();
    f.Command24_Click();
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_TRUE(fake.engine.file.isEmpty()); // an empty name, refused, silently
    EXPECT_EQ(fake.engine.loads - before, 2);
    EXPECT_FALSE(fake.engine.playing());
}

TEST_F(NavigationTest, StatusTimerIsOffDuringAClickAndOnAgainAfterTheRelease) {
    Form2& f = startWithEntries(3);
    playEntry(0);
    f.Command25_Click();
    EXPECT_FALSE(f.Timer1.Enabled());
    EXPECT_TRUE(player().Timer1.Enabled());
    f.Command25_MouseUp();
    EXPECT_TRUE(f.Timer1.Enabled());
    f.Command24_Click();
    f.Command24_MouseUp();
    EXPECT_TRUE(f.Timer1.Enabled());

    // The menu items run the timer again whether or not their button could act.
    f.Command25.Enabled = false;
    f.Timer1.setEnabled(false);
    f.MNUXIA2.Click();
    EXPECT_EQ(f.listbian, 0);
    EXPECT_TRUE(f.Timer1.Enabled());
    f.MNUSHANG.Click();
    EXPECT_EQ(f.listbian, 2);
}

TEST_F(NavigationTest, VideoFitGrowsALowWindowAndAudioSitsAboveThePanel) {
    fake.engine.addMedia("/m/b.avi", 60);
    Form2& f = startWith({"/m/a.mp3", "/m/b.avi"}, 60);
    playEntry(0);
    Form1& p = player();
    f.Command25_Click();
    EXPECT_EQ(p.Height(), 5000);
    EXPECT_EQ(p.MediaPlayer1.Height, 5000 - 375);
    f.Command25_Click();
    EXPECT_EQ(p.Height(), 1095);
    EXPECT_EQ(p.Width(), f.Width());
    // The top came from the video height: the strip is not yet directly above the panel.
    EXPECT_EQ(p.Top, std::max(100, f.Top - 5000));
}

TEST_F(NavigationTest, LoopModeLabelAndRandomTicksToggle) {
    Form2& f = startWithEntries(2);
    EXPECT_EQ(f.Label6.Caption, QString::fromUtf8("全"));
    EXPECT_EQ(f.Label6.BackColor, colors::Blue);
    f.Label6_Click();
    EXPECT_TRUE(isTrue(f.mosi));
    EXPECT_EQ(f.Label6.Caption, QString::fromUtf8("单"));
    EXPECT_EQ(f.Label6.BackColor, colors::DarkTeal);
    f.MNUQIE2.Click();
    EXPECT_FALSE(isTrue(f.mosi));
    EXPECT_EQ(f.Label6.Caption, QString::fromUtf8("全"));
    EXPECT_EQ(f.Label6.BackColor, colors::Blue);
    f.MNUQIE.Click();
    EXPECT_EQ(f.Label6.Caption, QString::fromUtf8("单"));

    f.MNUSUIJI.Click();
    EXPECT_TRUE(f.MNUSUIJI.Checked);
    EXPECT_TRUE(f.MNUSUIJI2.Checked);
    EXPECT_TRUE(isTrue(f.XUNHUAN));
    f.MNUSUIJI2.Click();
    EXPECT_FALSE(f.MNUSUIJI.Checked);
    EXPECT_FALSE(f.MNUSUIJI2.Checked);
    EXPECT_FALSE(isTrue(f.XUNHUAN));
}

TEST(Following, WholeListAndClockDrivenRandom) {
    EXPECT_EQ(Navigation::following(3, 4, false, "21:22:37"), 0);
    EXPECT_EQ(Navigation::following(1, 4, false, "21:22:37"), 2);
    EXPECT_EQ(Navigation::following(3, 5, true, "21:22:37"), 1);
    EXPECT_EQ(Navigation::following(6, 8, true, "21:22:39"), 6);
    EXPECT_EQ(Navigation::following(55, 60, true, "21:22:34"), 0);
    EXPECT_EQ(Navigation::following(10, 120, true, "21:22:39"), 50);
    EXPECT_EQ(Navigation::following(1, 3, true, "21:22:3x"), 2);
    // The units digit can still be past a short list's end.
    EXPECT_EQ(Navigation::following(1, 2, true, "21:22:37"), 0);
    EXPECT_THROW(Navigation::following(32767, 32767, false, "00:00:00"), Failure);
}

} // namespace
} // namespace xj::test
