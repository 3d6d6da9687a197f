#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class HandedOverFileTest : public PanelTest {};

TEST_F(HandedOverFileTest, ASecondStartHandsItsFileOverBeforeItsMessageAndNothingWithout) {
    fake.instance.another = true;
    fake.messages.onShow = [this](const ShownMessage&) {
        EXPECT_EQ(fake.instance.handedOver, QStringList{"/m/new file.mp3"});
    };
    start("\"/m/new file.mp3\"");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text, QString::fromUtf8("星鲸超级声海已经运行了！"));
    EXPECT_EQ(fake.exit.ends, 1);

    fake.instance.handedOver.clear();
    fake.messages.onShow = nullptr;
    start();
    EXPECT_TRUE(fake.instance.handedOver.isEmpty());
}

TEST_F(HandedOverFileTest, AFileInTheListInOtherCaseIsHighlightedAndPlayedWithoutChangingTheList) {
    Form2& f = startWith({"/m/a.mp3", "/m/b.avi", "/m/c.mp3"}, 60);
    playEntry(0);
    f.handedOverFile.take("/M/B.AVI");
    EXPECT_EQ(entries(), (QStringList{"/m/a.mp3", "/m/b.avi", "/m/c.mp3"}));
    EXPECT_EQ(f.List1.ListIndex(), 1);
    EXPECT_EQ(f.List1.SelCount(), 1);
    EXPECT_EQ(fake.engine.fileName(), "/m/b.avi");
    advance(2000);
    EXPECT_EQ(f.Label4.Caption, "2");
    EXPECT_EQ(f.Caption, "/m/b.avi");
    EXPECT_FALSE(asksOnClose());
}

TEST_F(HandedOverFileTest, ANewFileGoesOnTopHighlightedAndPlaysAndTheListIsChanged) {
    Form2& f = startWith({"/m/a.mp3", "/m/b.mp3"}, 60);
    fake.engine.addMedia("/new/song.mp3", 60);
    playEntry(1);
    f.handedOverFile.take("/new/song.mp3");
    EXPECT_EQ(entries(), (QStringList{"/new/song.mp3", "/m/a.mp3", "/m/b.mp3"}));
    EXPECT_EQ(f.List1.ListIndex(), 0);
    EXPECT_EQ(f.List1.SelCount(), 1);
    EXPECT_TRUE(fake.engine.playing());
    EXPECT_EQ(fake.engine.fileName(), "/new/song.mp3");
    advance(2000);
    EXPECT_EQ(f.Label4.Caption, "1");
    EXPECT_EQ(f.Caption, "/new/song.mp3");
    EXPECT_TRUE(asksOnClose());
}

} // namespace
} // namespace xj::test
