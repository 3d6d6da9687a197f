#include "support/folder_tree.h"
#include "support/panel_fixture.h"

#include <QFile>

namespace xj::test {
namespace {

class DroppedFilesTest : public PanelTest {
protected:
    FolderTree tree;
};

TEST_F(DroppedFilesTest, OnTheListFoldersGiveTheirMediaAndPicturesBreadthFirstFilesComeAsTheyAre) {
    Form2& f = startWith({"/m/old.mp3"});
    const QString b = tree.file("top/b.mp3"), a = tree.file("top/a.JPG");
    tree.file("top/notes.txt");
    tree.file("top/.hidden.mp3");
    tree.file("top/.cache/x.mp3");
    const QString d = tree.file("top/one/deep/d.avi");
    const QString c = tree.file("top/one/c.WAV");
    const QString e = tree.file("top/two/e.psd");
    QFile::link(tree.path("top/one"), tree.path("top/link"));
    const QString text = tree.file("other/readme.txt");
    const QString missing = tree.path("other/gone.mp3");

    f.List1.events().onDrop({tree.path("top"), text, missing});

    // The list keeps its entries sorted.
    EXPECT_EQ(entries(), (QStringList{"/m/old.mp3", missing, text, a, b, c, d, e}))
        << entries().join('\n').toStdString();
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_TRUE(asksOnClose());
}

TEST_F(DroppedFilesTest, OnTheListTheLimitKeepsTheShallowestAndSaysHowManyWereLeftOut) {
    Form2& f = startWith({});
    QStringList many;
    for (int i = f.List1.ListCount(); i < ListBox::MaxCount - 2; ++i)
        many << QStringLiteral("/m/%1.mp3").arg(i);
    f.listEditing.append(many);
    const QString top = tree.file("t/z.mp3");
    const QString sub = tree.file("t/a/y.mp3");
    tree.file("t/a/b/x.mp3");

    f.List1.events().onDrop({tree.path("t")});

    EXPECT_EQ(f.List1.ListCount(), ListBox::MaxCount);
    EXPECT_EQ(entries().mid(ListBox::MaxCount - 2), (QStringList{sub, top}));
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text,
              QString::fromUtf8("目录表最多只能容纳 32767 首，另有 1 首未能加入。"));
}

TEST_F(DroppedFilesTest, OnThePlayerTheFirstFileGoesOnTopHighlightedAndPlays) {
    Form2& f = startWith({"/m/a.mp3", "/m/b.mp3"});
    playEntry(1);
    tree.file("folder/c.mp3");
    fake.engine.addMedia("/films/new.avi", 60);
    fake.engine.addMedia("/m/x.mp3", 60);

    // Nothing but folders: nothing happens.
    player().MediaPlayer1.events().onDrop({tree.path("folder")});
    EXPECT_EQ(entries(), (QStringList{"/m/a.mp3", "/m/b.mp3"}));
    EXPECT_FALSE(f.wenjianming);

    player().MediaPlayer1.events().onDrop({tree.path("folder"), "/films/new.avi", "/m/x.mp3"});
    EXPECT_EQ(entries(), (QStringList{"/films/new.avi", "/m/a.mp3", "/m/b.mp3"}));
    EXPECT_EQ(f.List1.ListIndex(), 0);
    EXPECT_EQ(f.List1.SelCount(), 1);
    EXPECT_EQ(fake.engine.fileName(), "/films/new.avi");
    EXPECT_EQ(f.listbian, 0);
    EXPECT_EQ(f.Label4.Caption, "1");
    EXPECT_TRUE(asksOnClose());
}

} // namespace
} // namespace xj::test
