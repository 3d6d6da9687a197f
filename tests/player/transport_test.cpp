#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class TransportTest : public PanelTest {};

struct Buttons {
    bool play, pause, stop;
    bool operator==(const Buttons&) const = default;
};
Buttons buttons(Form2& f) {
    return {f.Command13.Enabled, f.Command12.Enabled, f.Command14.Enabled};
}

TEST_F(TransportTest, ButtonStatesFollowPlayPauseAndStop) {
    Form2& f = startWith({"/m/a.mp3"}, 60);
    EXPECT_EQ(buttons(f), (Buttons{false, false, false}));
    playEntry(0);
    EXPECT_EQ(buttons(f), (Buttons{true, true, true}));
    f.MNUHUANDENG.Checked = true;
    f.Command12_Click();
    EXPECT_EQ(buttons(f), (Buttons{true, true, false}));
    EXPECT_FALSE(fake.engine.playing());
    EXPECT_FALSE(f.MNUHUANDENG.Checked);
    f.Command13_Click();
    EXPECT_EQ(buttons(f), (Buttons{true, true, true}));
    EXPECT_TRUE(fake.engine.playing());
    f.Command14_Click();
    EXPECT_EQ(buttons(f), (Buttons{true, false, true}));
    EXPECT_DOUBLE_EQ(fake.engine.position(), 0.05);
}

TEST_F(TransportTest, PlaySetsTheSlideshowPaceBackAndArmsTheFocusReturn) {
    Form2& f = startWith({"/m/a.mp3"}, 60);
    playEntry(0);
    f.Timer2.setInterval(3500);
    player().Timer1.setEnabled(false);
    f.MNUFANGHUANDENGMAN.Checked = true;
    f.Command13_Click();
    EXPECT_EQ(f.Timer2.Interval(), 1000);
    EXPECT_TRUE(player().Timer1.Enabled());
    EXPECT_FALSE(f.MNUFANGHUANDENGMAN.Checked);
}

TEST_F(TransportTest, StoppedEntryStaysWhereItIsThroughManyTicks) {
    Form2& f = startWith({"/m/a.mp3", "/m/b.mp3"}, 60);
    playEntry(0);
    advance(3000);
    f.Command14_Click();
    advance(10000);
    EXPECT_EQ(fake.engine.file, "/m/a.mp3");
    EXPECT_EQ(f.listbian, 0);
    EXPECT_DOUBLE_EQ(fake.engine.position(), 0.05);
}

TEST_F(TransportTest, PopUpPlayAndPauseLookAtTheirButtons) {
    Form2& f = startWith({"/m/a.mp3", "/m/b.mp3"}, 60);
    // Play disabled: the pop-up plays the highlighted entry as a double click would.
    f.List1.setSelected(1, true);
    f.MNUBOFANG2.Click();
    EXPECT_EQ(fake.engine.file, "/m/b.mp3");
    EXPECT_EQ(f.listbian, 1);

    f.MNUZAN.Click();
    EXPECT_FALSE(fake.engine.playing());
    EXPECT_FALSE(f.Command14.Enabled);
    f.Command12.Enabled = false;
    fake.engine.calls.clear();
    f.MNUZAN2.Click();
    EXPECT_TRUE(fake.engine.calls.isEmpty());
    f.MNUBOFANG.Click();
    EXPECT_EQ(fake.engine.calls, QStringList({"play"}));
    EXPECT_TRUE(fake.engine.playing());
}

TEST_F(TransportTest, PlayFailureShowsTheMessageFirstAndThenPlaysTheNextEntry) {
    Form2& f = startWith({"/m/a.mp3", "/m/b.mp3"}, 60);
    playEntry(0);
    fake.engine.media.erase("/m/a.mp3"); // the file went away
    fake.engine.close();
    QString fileWhileShown;
    fake.messages.onShow = [&](const ShownMessage&) { fileWhileShown = fake.engine.file; };
    f.Command13_Click();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(
        fake.messages.shown[0].text,
        QString::fromUtf8("从该媒体指向的路径--(/m/a.mp3)无法找到文件或该文件不是合法的多媒体，"
                          "故无法播放请播放下一首."));
    EXPECT_EQ(fake.messages.shown[0].title, QString::fromUtf8("星鲸声海"));
    EXPECT_EQ(fileWhileShown, "/m/a.mp3");
    EXPECT_EQ(fake.engine.file, "/m/b.mp3");
    EXPECT_TRUE(fake.engine.playing());
    EXPECT_TRUE(isTrue(f.sans));
}

} // namespace
} // namespace xj::test
