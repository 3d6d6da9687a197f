#include "playlist/media_types.h"
#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class OpenFileTest : public PanelTest {};

TEST_F(OpenFileTest, OpenButtonUnfoldsItsTwoChoicesAndTheListFoldsThem) {
    Form2& f = start();
    f.Command10_Click();
    EXPECT_TRUE(f.Command22.Visible);
    EXPECT_TRUE(f.Command8.Visible);
    f.Command8.Visible = false;
    f.Command10_Click(); // each flips by itself
    EXPECT_FALSE(f.Command22.Visible);
    EXPECT_TRUE(f.Command8.Visible);
    f.List1_GotFocus();
    EXPECT_FALSE(f.Command8.Visible);
}

TEST_F(OpenFileTest, OpenedFileGoesOnTopHighlightedAndPlays) {
    fake.engine.addMedia("/m/new.mp3", 60);
    fake.writeFile("xjge.txt", "/m/0.mp3\n/m/1.mp3\n/m/2.mp3\n/m/3.mp3\n/m/4.mp3\n/m/5.mp3\n");
    Form2& f = start();
    f.List1.setSelected(5, true);
    f.Command10_Click();
    fake.fileDialog.answer = "/m/new.mp3";
    f.MNUDADAN.Click();
    EXPECT_EQ(fake.fileDialog.filters, QStringList({mediatypes::dialogFilter()}));
    EXPECT_FALSE(f.Command22.Visible);
    EXPECT_EQ(f.List1.List(0), "/m/new.mp3");
    EXPECT_EQ(f.List1.ListIndex(), 0);
    EXPECT_TRUE(f.List1.Selected(0));
    EXPECT_FALSE(f.List1.Selected(6));
    EXPECT_EQ(fake.engine.file, "/m/new.mp3");
    EXPECT_TRUE(f.wenjianming);

    // The same file again is a second entry.
    f.Command22_Click();
    EXPECT_EQ(f.List1.List(1), "/m/new.mp3");
    EXPECT_EQ(f.List1.ListCount(), 8);
}

TEST_F(OpenFileTest, CancelChangesNothing) {
    Form2& f = start();
    fake.fileDialog.answer.clear();
    f.Command22_Click();
    EXPECT_EQ(f.List1.ListCount(), 4);
    EXPECT_FALSE(f.wenjianming);
}

TEST_F(OpenFileTest, SongLibraryStoreAndRecall) {
    fake.writeFile("xjge.txt", "a\r\n\r\nb\r\n");
    Form2& f = start();
    f.Command15_Click(); // recall keeps the list and doubles what was there
    EXPECT_EQ(entries(), QStringList({"a", "a", "b", "b"}));
    EXPECT_FALSE(f.wenjianming);

    f.List1.Clear();
    fake.messages.answers = {MsgResult::No};
    f.Command5_Click();
    EXPECT_EQ(fake.readFile("xjge.txt"), QByteArray("a\r\n\r\nb\r\n"));
    f.Command5_Click();
    EXPECT_TRUE(fake.readFile("xjge.txt").isEmpty());

    QFile::remove(fake.file("xjge.txt"));
    f.MNUDIAO.Click();
    EXPECT_EQ(f.List1.ListCount(), 4);
    EXPECT_TRUE(fake.exists("xjge.txt"));
    f.MNUDIAO.Click();
    EXPECT_EQ(f.List1.ListCount(), 4);
}

} // namespace
} // namespace xj::test
