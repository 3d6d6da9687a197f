#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class LayoutTest : public PanelTest {};

std::vector<int> lefts(std::initializer_list<const Control*> cs) {
    std::vector<int> out;
    for (const Control* c : cs)
        out.push_back(c->Left);
    return out;
}

TEST_F(LayoutTest, NarrowPanelChainsTheTransportButtonsAfterTheLoopLabel) {
    Form2& f = start();
    f.resize(5500, 3000);
    EXPECT_EQ(lefts({&f.Command24, &f.Command13, &f.Command12, &f.Command14, &f.Command25}),
              (std::vector<int>{3660, 3915, 4170, 4425, 4680}));
    EXPECT_EQ(f.HScroll1.Left, 3495);
    EXPECT_EQ(f.HScroll1.Width, 1450);
    EXPECT_EQ(lefts({&f.Label4, &f.Label5, &f.Label1}), (std::vector<int>{3190, 3625, 4060}));
    EXPECT_EQ(f.List1.Height, 3000 - 1005 - 285);
    EXPECT_EQ(f.Combo1.Top, f.List1.Height + 30);
    EXPECT_EQ(f.Label3.Top, f.List1.Height + 360);
    EXPECT_EQ(f.Command22.Top, f.List1.Height - 450);
}

TEST_F(LayoutTest, WidePanelHugsTheListsRightEdge) {
    Form2& f = start();
    f.resize(5501, 3000);
    const int L = 5301;
    EXPECT_EQ(f.List1.Width, L);
    EXPECT_EQ(lefts({&f.Command24, &f.Command13, &f.Command12, &f.Command14, &f.Command25}),
              (std::vector<int>{L - 1220, L - 965, L - 710, L - 455, L - 200}));
    EXPECT_EQ(f.HScroll1.Left, L - 1220);
    EXPECT_EQ(f.HScroll1.Width, 1270);
    EXPECT_EQ(f.Label2.Width, L - 3000);
    EXPECT_EQ(f.Label1.Left, 1320 + L - 3000 + 435 + 435);
    EXPECT_EQ(f.Command25.Left + f.Command25.Width, f.List1.Left + L + 20);
    EXPECT_EQ(f.Command19.Left, L - 385);
    EXPECT_EQ(f.Command17.Left, L - 520);
}

TEST_F(LayoutTest, PanelSnapsBackToItsMinimumAndTheListKeepsItsFloor) {
    Form2& f = start();
    f.userResized(3000, 1000, WindowState::Normal);
    EXPECT_EQ(f.Width(), 5040);
    EXPECT_EQ(f.Height(), 2325);
    EXPECT_EQ(f.List1.Height, 1035);
    f.Command26_Click();
    EXPECT_EQ(f.Height(), 2325);
    EXPECT_EQ(f.List1.Height, 1320);
}

TEST_F(LayoutTest, MenuBarToggleChangesTheHeightBy285AndKeepsTheList) {
    Form2& f = start();
    f.resize(6000, 4000);
    const int list = f.List1.Height;
    f.Command26_Click();
    EXPECT_EQ(f.Height(), 4000 - 285);
    EXPECT_EQ(f.List1.Height, list);
    f.MNUYINCANG.Click();
    EXPECT_EQ(f.Height(), 4000);
    EXPECT_EQ(f.List1.Height, list);
}

TEST_F(LayoutTest, MinimisedOrMaximisedPanelLeavesTheControlsWhereTheyWere) {
    Form2& f = start();
    f.resize(6000, 4000);
    const int top = f.Combo1.Top, left = f.Command25.Left;
    f.userResized(20000, 12000, WindowState::Maximized);
    EXPECT_EQ(f.Combo1.Top, top);
    EXPECT_EQ(f.Command25.Left, left);
    f.userResized(7000, 5000, WindowState::Normal);
    EXPECT_EQ(f.Command25.Left, 7000 - 200 - 200);
}

TEST_F(LayoutTest, AudioStripWidensWithThePanelOnlyForALowerCaseEnding) {
    fake.engine.addMedia("/m/a.mp3", 100);
    fake.engine.addMedia("/m/B.MP3", 100);
    Form2& f = start("\"/m/a.mp3\"");
    f.resize(7000, 3000);
    EXPECT_EQ(player().Width(), 7000);
    player().MediaPlayer1.setFileName("/m/B.MP3");
    f.resize(8000, 3000);
    EXPECT_EQ(player().Width(), 7000);
}

} // namespace
} // namespace xj::test
