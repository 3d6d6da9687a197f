#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class ListEditingTest : public PanelTest {
protected:
    Form2& startWithLines(const QStringList& lines) {
        fake.writeFile("xjge.txt", lines.join("\r\n").toUtf8());
        return start();
    }
    void fillUnsorted(const QStringList& texts) {
        form->List1.Clear();
        for (int i = 0; i < texts.size(); ++i)
            form->List1.AddItem(texts[i], i);
    }
};

TEST_F(ListEditingTest, ClickShowsTheNumberAndThePathOfTheHighlightedEntry) {
    Form2& f = startWithLines({"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"});
    f.List1.setSelected(2, true);
    f.List1_Click();
    EXPECT_EQ(f.Label5.Caption, "3");
    EXPECT_EQ(f.List1.ToolTipText, QString::fromUtf8("双击歌名或按回车可播放---/m/c.mp3"));
}

TEST_F(ListEditingTest, RemoveDuplicatesKeepsTheFirstOfEachGroupInOrder) {
    Form2& f = startWithLines({});
    fillUnsorted({"C:\\A.MP3", "c:\\a.mp3", "C:\\A.mp3", "C:\\b.mp3", "", "", "c:\\B.MP3"});
    f.List1.setSelected(3, true);
    f.mnusancong2.Click();
    EXPECT_EQ(entries(), QStringList({"C:\\A.MP3", "C:\\b.mp3", "", ""}));
    EXPECT_EQ(f.List1.SelCount(), 0);
    EXPECT_TRUE(f.wenjianming);

    f.List1.Clear();
    f.wenjianming = false;
    f.mnusancong.Click();
    EXPECT_TRUE(f.wenjianming);
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(ListEditingTest, DeleteSelected) {
    Form2& f = startWithLines({"/m/a.mp3", "/m/b.mp3", "/m/c.mp3", "/m/d.mp3"});
    f.Command4_Click(); // nothing marked: nothing goes, the flag is set all the same
    EXPECT_EQ(f.List1.ListCount(), 4);
    EXPECT_TRUE(f.wenjianming);
    f.List1.setSelected(1, true);
    f.List1.setSelected(3, true);
    f.MNUXUAN.Click();
    EXPECT_EQ(entries(), QStringList({"/m/a.mp3", "/m/c.mp3"}));
    f.List1.setSelected(0, true);
    f.List1.setSelected(1, true);
    f.MNUXUAN2.Click();
    EXPECT_EQ(f.List1.ListCount(), 0);
    EXPECT_TRUE(fake.messages.shown.empty());

    f.wenjianming = false;
    f.Command4_Click();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text, QString::fromUtf8("没有文件可删除！"));
    EXPECT_EQ(fake.messages.shown[0].title, QString::fromUtf8("星鲸声海--提示"));
    EXPECT_EQ(fake.messages.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(f.wenjianming);
}

TEST_F(ListEditingTest, ClearAsksFirst) {
    Form2& f = startWithLines({"/m/a.mp3", "/m/b.mp3"});
    fake.engine.addMedia("/m/a.mp3", 60);
    playEntry(0);
    fake.messages.answers = {MsgResult::No, MsgResult::Yes};
    f.Command2_Click();
    EXPECT_EQ(f.List1.ListCount(), 2);
    EXPECT_FALSE(f.wenjianming);
    EXPECT_EQ(fake.messages.shown[0].text,
              QString::fromUtf8("你确定要清空当前目录吗？按确定清除，按取消退出。"));
    f.MNUQUAN2.Click();
    EXPECT_EQ(f.List1.ListCount(), 0);
    EXPECT_TRUE(f.wenjianming);
    EXPECT_TRUE(fake.engine.playing()); // clearing does not stop playback
}

TEST_F(ListEditingTest, FontSizeStepsWithinBoundsAndTheDefaultIsEleven) {
    Form2& f = startWithLines({});
    f.MNU1BIANDA.Click();
    EXPECT_EQ(f.List1.FontSize, 12.5);
    f.MNU1MOREN.Click();
    EXPECT_EQ(f.List1.FontSize, 11);
    for (int i = 0; i < 10; ++i)
        f.MNU1JIANXIAO.Click();
    EXPECT_EQ(f.List1.FontSize, ListEditing::MinFontSize);
    for (int i = 0; i < 40; ++i)
        f.MNU1BIANDA.Click();
    EXPECT_EQ(f.List1.FontSize, ListEditing::MaxFontSize);
}

TEST_F(ListEditingTest, PositionKeysStepByASecondAndAHalf) {
    Form2& f = startWithLines({"/m/a.mp3"});
    fake.engine.addMedia("/m/a.mp3", 60);
    playEntry(0);
    fake.engine.pos = 1.6;
    f.List1_KeyDown(188);
    EXPECT_NEAR(fake.engine.pos, 0.1, 1e-9);
    f.List1_KeyDown(188);
    EXPECT_EQ(fake.engine.pos, 0);
    f.List1_KeyDown(190);
    EXPECT_EQ(fake.engine.pos, 1.5);
}

// The volume keys wait for the mixer; neither they nor other keys move the playing position.
TEST_F(ListEditingTest, VolumeAndOtherKeysLeaveThePlayerAlone) {
    Form2& f = startWithLines({"/m/a.mp3"});
    fake.engine.addMedia("/m/a.mp3", 60);
    playEntry(0);
    fake.engine.pos = 10;
    for (int key : {187, 189, 65, 38})
        f.List1_KeyDown(key);
    EXPECT_EQ(fake.engine.pos, 10);
    EXPECT_EQ(fake.engine.file, "/m/a.mp3");
}

TEST_F(ListEditingTest, EnterWithTheMenuBarHiddenShowsItAndPlays) {
    Form2& f = startWithLines({"/m/a.mp3", "/m/b.mp3"});
    fake.engine.addMedia("/m/b.mp3", 60);
    f.Command26_Click();
    f.List1.setSelected(1, true);
    f.List1_KeyDown(13);
    EXPECT_TRUE(f.mnuwen.Visible);
    EXPECT_EQ(fake.engine.file, "/m/b.mp3");
    EXPECT_TRUE(fake.engine.playing());
}

TEST_F(ListEditingTest, AddingPastTheLimitIsReportedAndKeepsTheList) {
    Form2& f = startWithLines({});
    QStringList many;
    for (int i = 0; i < ListBox::MaxCount - 1; ++i)
        many << QStringLiteral("/m/%1.mp3").arg(i);
    EXPECT_EQ(f.listEditing.append(many), ListBox::MaxCount - 1);
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(f.listEditing.append({"/x/1.mp3", "/x/2.mp3", "/x/3.mp3"}), 1);
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text,
              QString::fromUtf8("目录表最多只能容纳 32767 首，另有 2 首未能加入。"));
    EXPECT_EQ(f.List1.ListCount(), ListBox::MaxCount);
    EXPECT_FALSE(f.listEditing.insertAtTop("/x/4.mp3"));
    EXPECT_EQ(f.List1.ListCount(), ListBox::MaxCount);
    EXPECT_EQ(fake.messages.shown.size(), 2u);
}

TEST(ListBoxOrder, BatchAddsLandWhereOneByOneAddsWould) {
    ListBox one("one"), batch("batch");
    one.Sorted = batch.Sorted = true;
    const QStringList first = {"/m/b.mp3", "/m/D.mp3"};
    const QStringList more = {"/m/c.mp3", "/M/B.MP3", "/m/a.mp3", "/m/b.mp3", "/m/歌.mp3"};
    for (const QString& t : first + more)
        one.AddItem(t);
    batch.AddItems(first);
    batch.AddItems(more);
    ASSERT_EQ(one.ListCount(), batch.ListCount());
    for (int i = 0; i < one.ListCount(); ++i)
        EXPECT_EQ(one.List(i), batch.List(i)) << i;
    // Chinese names come first, by pinyin; case is ignored; equal texts keep the order they
    // came in.
    EXPECT_EQ(one.List(0), QString::fromUtf8("/m/歌.mp3"));
    EXPECT_EQ(one.List(1), "/m/a.mp3");
    EXPECT_EQ(one.List(2), "/m/b.mp3");
    EXPECT_EQ(one.List(3), "/M/B.MP3");
    EXPECT_EQ(one.List(4), "/m/b.mp3");
}

} // namespace
} // namespace xj::test
