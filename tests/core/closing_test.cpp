#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class ClosingTest : public PanelTest {};

TEST_F(ClosingTest, NothingStartsBehindTheSaveQuestion) {
    Form2& f = startWith({"/m/1.mp3", "/m/2.mp3", "/m/3.mp3"}, 2.0);
    playEntry(0);
    advance(500);
    f.wenjianming = true;
    const int loads = fake.engine.loads;
    bool playingDuringQuestion = true;
    // The user takes a while over the question; the timers keep their pace meanwhile.
    fake.messages.answers = {MsgResult::No};
    fake.messages.onShow = [&](const ShownMessage&) {
        advance(10000);
        playingDuringQuestion = fake.engine.playing();
    };
    f.Form_Unload();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_FALSE(playingDuringQuestion);
    EXPECT_EQ(fake.engine.loads, loads);
    EXPECT_EQ(f.form1IfLoaded(), nullptr);
    EXPECT_EQ(fake.exit.ends, 1);
}

TEST_F(ClosingTest, ASaveThatFailsKeepsTheProgramRunningWithPlaybackEnded) {
    Form2& f = startWith({"/m/1.mp3", "/m/2.mp3", "/m/3.mp3"}, 2.0);
    playEntry(0);
    f.wenjianming = true;
    // The program folder went away: the save cannot be written.
    fake.platform.programFolder = fake.file("gone");
    const int loads = fake.engine.loads;
    f.Form_Unload();
    ASSERT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_TRUE(fake.messages.shown[1].text.startsWith(QString::fromUtf8("无法写入目录库文件：")));
    EXPECT_EQ(fake.exit.ends, 0);
    advance(10000);
    EXPECT_EQ(fake.engine.loads, loads);
    EXPECT_FALSE(fake.engine.playing());
    // The time display's tick may make the player window again, hidden.
    EXPECT_TRUE(!f.form1IfLoaded() || !f.form1IfLoaded()->Visible);
    // The timers run again for what the user does next.
    EXPECT_FALSE(f.timers().empty());
    playEntry(1);
    EXPECT_EQ(fake.engine.file, "/m/2.mp3");
    EXPECT_TRUE(f.Timer1.Enabled());
}

} // namespace
} // namespace xj::test
