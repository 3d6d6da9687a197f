#include "support/panel_fixture.h"

#include <QFile>
#include <QTemporaryDir>

namespace xj::test {
namespace {

class WindowModesTest : public PanelTest {};

TEST_F(WindowModesTest, ToolAreaOpensAndClosesOverTheStatusLabels) {
    Form2& f = start();
    const QString count = f.Label2.Caption;
    f.MNUMULUBIAO.Click();
    for (Control* c : {(Control*)&f.Command2, (Control*)&f.Command4, (Control*)&f.Command5,
                       (Control*)&f.Command15, (Control*)&f.Command20, (Control*)&f.Command30,
                       (Control*)&f.Command27, (Control*)&f.Command28, (Control*)&f.Command29,
                       (Control*)&f.HScroll1})
        EXPECT_TRUE(c->Visible) << c->Name.toStdString();
    EXPECT_TRUE(f.Label2.Visible);
    f.Command11_Click();
    EXPECT_FALSE(f.Command2.Visible);
    EXPECT_FALSE(f.HScroll1.Visible);
    EXPECT_EQ(f.Label2.Caption, count);
}

TEST_F(WindowModesTest, MenuBarHidesAndComesBackThroughThePopUpOrALabel) {
    Form2& f = start();
    f.resize(6000, 4000);
    const int h = f.Height();
    f.MNUYINCANG2.Click();
    for (Menu* m : f.menuBar())
        EXPECT_FALSE(m->Visible);
    EXPECT_TRUE(f.MNUYINCANG.Enabled);
    EXPECT_EQ(f.Height(), h - 285);
    f.MNUYINCANG.Click();
    EXPECT_TRUE(f.mnuwen.Visible);
    EXPECT_FALSE(f.MNUYINCANG.Enabled);
    EXPECT_EQ(f.Height(), h);
    f.MNUYINCANG.Click(); // already shown: nothing
    EXPECT_EQ(f.Height(), h);

    f.Label2_Click();
    EXPECT_FALSE(f.mnuwen.Visible);
    f.Label4_Click();
    f.Label5_Click();
    EXPECT_FALSE(f.mnuwen.Visible);
    EXPECT_FALSE(f.shijianmos);
    f.Label1_Click();
    EXPECT_TRUE(f.mnuwen.Visible);
    EXPECT_TRUE(f.shijianmos);
}

TEST_F(WindowModesTest, PlayerWindowToggleAndMinimiseAll) {
    Form2& f = start();
    Form1& p = player();
    f.Command17_Click();
    EXPECT_EQ(p.windowState(), WindowState::Minimized);
    EXPECT_FALSE(p.Visible);
    f.MNUBOFANGKOU1.Click();
    EXPECT_EQ(p.windowState(), WindowState::Normal);
    EXPECT_TRUE(p.Visible);

    f.MNUZHUIXIAOHUA.Click();
    EXPECT_FALSE(p.Visible);
    EXPECT_EQ(f.windowState(), WindowState::Minimized);
    f.Command17_Click();
    EXPECT_TRUE(p.Visible);
    EXPECT_EQ(p.windowState(), WindowState::Normal);
}

TEST_F(WindowModesTest, FlashingAndXpOptionToggle) {
    Form2& f = start();
    f.MNUSANSHUO.Click();
    EXPECT_TRUE(f.MNUSANSHUO.Checked);
    EXPECT_TRUE(isTrue(f.sans));
    f.MNUSANSHUO.Click();
    EXPECT_FALSE(f.MNUSANSHUO.Checked);
    EXPECT_FALSE(isTrue(f.sans));

    f.mnuyouxp.Click();
    EXPECT_TRUE(f.mnuyouxp.Checked);
    EXPECT_EQ(fake.readFile("xp.txt"), QByteArray(" 1 \r\n"));
    f.mnuyouxp.Click();
    EXPECT_EQ(fake.readFile("xp.txt"), QByteArray("no xp\r\n"));
    f.mnuyouxp.Click();
    EXPECT_TRUE(start().mnuyouxp.Checked);
}

TEST_F(WindowModesTest, HelpOpensTheReadmeInTheProgramFolder) {
    Form2& f = start();
    f.mnujie.Click();
    f.MNUBANG2.Click();
    ASSERT_EQ(fake.shell.opened.size(), 2);
    EXPECT_EQ(fake.shell.opened[0], QDir::toNativeSeparators(fake.file("readme.txt")));

    // An installed program's own folder has none: the shipped one opens.
    QTemporaryDir shared;
    QFile readme(shared.filePath("readme.txt"));
    ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
    readme.close();
    fake.platform.sharedFolder = shared.path();
    f.MNUBANG2.Click();
    EXPECT_EQ(fake.shell.opened.back(), QDir::toNativeSeparators(readme.fileName()));
    fake.writeFile("readme.txt", "");
    f.MNUBANG2.Click();
    EXPECT_EQ(fake.shell.opened.back(), QDir::toNativeSeparators(fake.file("readme.txt")));
}

} // namespace
} // namespace xj::test
