#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class StatusTimerTest : public PanelTest {};

TEST_F(StatusTimerTest, WholeListPlaysOnEntryAfterEntryAndWraps) {
    Form2& f = startWith({"/m/1.mp3", "/m/2.mp3", "/m/3.mp3"}, 2.0);
    playEntry(0);
    QStringList played{fake.engine.file};
    for (int i = 0; i < 6 && played.size() < 4; ++i) {
        advance(2000);
        if (fake.engine.file != played.last()) played << fake.engine.file;
    }
    EXPECT_EQ(played, QStringList({"/m/1.mp3", "/m/2.mp3", "/m/3.mp3", "/m/1.mp3"}));
    EXPECT_EQ(f.listbian, 0);
    EXPECT_EQ(f.List1.ListIndex(), 0);
    EXPECT_EQ(f.Label4.Caption, "1");
    EXPECT_EQ(f.Caption, "/m/1.mp3");
}

TEST_F(StatusTimerTest, TickOrderAndCaptions) {
    Form2& f = startWith({"/m/1.mp3", "/m/2.mp3", "/m/3.mp3"}, 3.0);
    playEntry(0);
    // The user highlights another entry: it stays until the playing entry ends.
    f.List1.setSelected(0, false);
    f.List1.setSelected(2, true);
    f.Label2.Caption = "x";
    advance(2000);
    EXPECT_EQ(f.List1.ListIndex(), 2);
    EXPECT_EQ(f.Label2.Caption, "x"); // only rewritten when an entry changes
    EXPECT_EQ(f.Caption, "/m/1.mp3");
    EXPECT_EQ(f.Label4.Caption, "1");
    EXPECT_TRUE(fake.engine.switch1018);
    advance(2000); // 4 s: the 3-s entry has ended
    EXPECT_EQ(fake.engine.file, "/m/2.mp3");
    EXPECT_EQ(f.listbian, 1);
    EXPECT_EQ(f.List1.ListIndex(), 1);
    EXPECT_FALSE(f.List1.Selected(2));
    EXPECT_EQ(f.Label2.Caption, QString::fromUtf8("目录总歌曲为 3首"));
    EXPECT_EQ(f.Label4.Caption, "2");
    EXPECT_EQ(f.Caption, "/m/2.mp3");
    EXPECT_EQ(player().Top + player().Height(), f.Top);
}

TEST_F(StatusTimerTest, SingleEntryLoopStartsTheSameEntryAgain) {
    Form2& f = startWith({"/m/1.mp3", "/m/2.mp3"}, 2.0);
    f.MNUSUIJI.Click(); // random plays no part in single-entry loop
    f.Label6_Click();
    playEntry(1);
    const int loads = fake.engine.loads;
    advance(6000);
    EXPECT_EQ(fake.engine.file, "/m/2.mp3");
    EXPECT_GT(fake.engine.loads, loads);
    EXPECT_EQ(f.listbian, 1);
    EXPECT_EQ(f.Label4.Caption, "2");
}

TEST_F(StatusTimerTest, RandomModeJumpsByTheClocksLastDigit) {
    QStringList paths;
    for (int i = 0; i < 5; ++i)
        paths << QStringLiteral("/m/%1.mp3").arg(i);
    Form2& f = startWith(paths, 1.0);
    f.MNUSUIJI2.Click();
    playEntry(3);
    fake.clock.time = "21:22:37";
    advance(1000); // the end is heard at once, not at the next poll
    EXPECT_EQ(f.listbian, 1);
    EXPECT_EQ(fake.engine.file, "/m/1.mp3");
}

TEST_F(StatusTimerTest, UnplayableEntryInContinuousPlayIsReportedAndSkipped) {
    Form2& f = startWith({"/m/1.mp3", "/m/3.mp3"}, 2.0);
    fake.engine.media["/m/3.mp3"] = 60;
    f.List1.AddItem("/m/2-missing.mp3", 1);
    playEntry(0);
    QString fileWhileShown;
    fake.messages.onShow = [&](const ShownMessage&) { fileWhileShown = fake.engine.file; };
    advance(2000);
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_TRUE(fake.messages.shown[0].text.contains("/m/2-missing.mp3"));
    EXPECT_EQ(fileWhileShown, "/m/2-missing.mp3");
    EXPECT_EQ(fake.engine.file, "/m/3.mp3");
    EXPECT_TRUE(fake.engine.playing());
    EXPECT_EQ(f.listbian, 2);

    // From now on the panel asks for attention on every tick, until switched off.
    const int flashes = fake.flash.count;
    f.Command12.Enabled = true;
    advance(2000);
    EXPECT_EQ(fake.flash.count, flashes + 1);
    EXPECT_TRUE(f.MNUSANSHUO.Checked);
    EXPECT_FALSE(f.Command12.Enabled);
    f.MNUSANSHUO.Click();
    advance(4000);
    EXPECT_EQ(fake.flash.count, flashes + 1);
}

TEST_F(StatusTimerTest, TheEndHeardFromTheEngineStartsTheNextEntryAtOnce) {
    Form2& f = startWith({"/m/1.mp3", "/m/2.mp3", "/m/3.mp3"}, 2.0);
    fake.engine.media["/m/1.mp3"] = 0.5;
    playEntry(0);
    advance(600);
    EXPECT_EQ(fake.engine.file, "/m/2.mp3");
    EXPECT_TRUE(fake.engine.playing());
    EXPECT_EQ(f.Label4.Caption, "2");
    EXPECT_EQ(f.Caption, "/m/2.mp3");
    // The poll then keeps a full interval from that tick, so it never finds the new entry
    // still at its start and skips it; the entry plays its two seconds.
    advance(1800);
    EXPECT_EQ(fake.engine.file, "/m/2.mp3");
    advance(300);
    EXPECT_EQ(fake.engine.file, "/m/3.mp3");

    // A stopped player is left alone: nothing is reported, nothing moves.
    f.Command14_Click();
    advance(6000);
    EXPECT_EQ(fake.engine.file, "/m/3.mp3");
    EXPECT_FALSE(fake.engine.playing());
}

TEST_F(StatusTimerTest, PausedEntryIsLeftAlone) {
    Form2& f = startWith({"/m/1.mp3", "/m/2.mp3"}, 3.0);
    playEntry(0);
    advance(1000);
    f.Command12_Click();
    advance(10000);
    EXPECT_EQ(fake.engine.file, "/m/1.mp3");
    f.Command13_Click();
    advance(4000);
    EXPECT_EQ(fake.engine.file, "/m/2.mp3");
}

} // namespace
} // namespace xj::test
