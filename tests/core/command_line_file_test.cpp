#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class CommandLineFileTest : public PanelTest {
protected:
    // A playlist of three entries; the named file is known to the engine, `seconds` long.
    Form2& startNaming(const QString& named, const QStringList& list, double seconds = 60) {
        QByteArray lines;
        for (const QString& path : list) {
            fake.engine.addMedia(path, 60);
            lines += path.toUtf8() + "\r\n";
        }
        fake.writeFile("xjge.txt", lines);
        fake.engine.addMedia(named, seconds);
        return start('"' + named + '"');
    }
};

TEST_F(CommandLineFileTest, NothingNamedChangesNothing) {
    Form2& f = startWith({"/m/a.mp3", "/m/b.mp3"});
    advance(2999);
    EXPECT_TRUE(f.Timer4.Enabled());
    advance(10000);
    EXPECT_FALSE(f.Timer4.Enabled());
    EXPECT_EQ(entries(), (QStringList{"/m/a.mp3", "/m/b.mp3"}));
    EXPECT_EQ(f.List1.ListIndex(), -1);
    EXPECT_FALSE(asksOnClose());
}

TEST_F(CommandLineFileTest, AudioFoundInOtherCaseIsHighlightedAndKeepsPlaying) {
    Form2& f = startNaming("/Music/B.MP3", {"/music/a.mp3", "/music/b.mp3", "/music/c.mp3"});
    const int loads = fake.engine.loads;
    advance(2999);
    EXPECT_EQ(f.List1.ListIndex(), -1);
    advance(1);
    EXPECT_FALSE(f.Timer4.Enabled());
    EXPECT_EQ(f.List1.ListCount(), 3);
    EXPECT_EQ(f.List1.ListIndex(), 1);
    EXPECT_TRUE(f.List1.Selected(1));
    // Not started again; the status timer runs, and the list is unchanged so closing asks
    // nothing.
    EXPECT_EQ(fake.engine.loads, loads);
    EXPECT_TRUE(fake.engine.playing());
    EXPECT_NEAR(fake.engine.position(), 3.0, 1e-9);
    EXPECT_TRUE(f.Timer1.Enabled());
    EXPECT_EQ(f.listbian, 0);
    EXPECT_FALSE(asksOnClose());
}

TEST_F(CommandLineFileTest, VideoNotInTheListGoesOnTopAndStartsAgainFitted) {
    Form2& f = startNaming("/films/new.avi", {"/m/a.avi", "/m/b.avi"});
    const int loads = fake.engine.loads;
    advance(3000);
    EXPECT_EQ(entries(), (QStringList{"/films/new.avi", "/m/a.avi", "/m/b.avi"}));
    EXPECT_EQ(f.List1.ListIndex(), 0);
    EXPECT_TRUE(f.List1.Selected(0));
    // Started again from the beginning by the double-click action, which makes it the playing
    // entry; the player window's top is then 100.
    EXPECT_EQ(fake.engine.loads, loads + 1);
    EXPECT_NEAR(fake.engine.position(), 0, 1e-9);
    EXPECT_EQ(f.listbian, 0);
    EXPECT_EQ(player().Top, 100);
    EXPECT_TRUE(f.Timer1.Enabled());
    // Fires once only.
    const int after = fake.engine.loads;
    advance(10000);
    EXPECT_EQ(fake.engine.loads, after);
    EXPECT_TRUE(asksOnClose());
}

TEST_F(CommandLineFileTest, AnEntryStartedMeanwhileIsTakenAsTheNamedFile) {
    // The status timer has written the playing entry into the caption before the tick.
    Form2& f = startWith({"/m/a.avi", "/m/b.avi"}, 60);
    playEntry(1);
    advance(2500);
    ASSERT_EQ(f.Caption, "/m/b.avi");
    f.wenjianming = true;
    const int loads = fake.engine.loads;
    advance(500);
    EXPECT_EQ(f.List1.ListCount(), 2);
    EXPECT_FALSE(f.wenjianming);
    EXPECT_EQ(fake.engine.loads, loads + 1);
    EXPECT_EQ(player().Top, 100);
}

} // namespace
} // namespace xj::test
