#include "core/form2.h"
#include "desktop/front_end.h"
#include "desktop/geometry.h"
#include "desktop/panel_view.h"
#include "player/form1.h"
#include "support/fakes.h"

#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

namespace xj {
namespace {

using test::FakePlatform;

TEST(KeepInside, FramesComeBackOverTheEdgesTheyCross) {
    const QRect area(0, 30, 800, 470); // a bar along the top takes 30 pixels
    EXPECT_EQ(geometry::keepInside(QRect(100, 100, 300, 200), area), QPoint(100, 100));
    EXPECT_EQ(geometry::keepInside(QRect(100, 400, 300, 200), area), QPoint(100, 300));
    EXPECT_EQ(geometry::keepInside(QRect(600, 100, 300, 200), area), QPoint(500, 100));
    EXPECT_EQ(geometry::keepInside(QRect(-50, 0, 300, 200), area), QPoint(0, 30));
    // Too large to fit: its top left stays on the screen, where its title bar is.
    EXPECT_EQ(geometry::keepInside(QRect(100, 100, 900, 600), area), QPoint(0, 30));
    EXPECT_EQ(geometry::keepInside(QRect(100, 400, 300, 200), QRect()), QPoint(100, 400));
}

class WindowPlacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake.writeFile("xp.txt", "no xp\r\n");
        fake.writeFile("xjge.txt", "/music/a.mp3\r\n");
        fake.engine.addMedia("/music/a.mp3", 60);
        form = std::make_unique<Form2>(fake.platform);
        front = std::make_unique<FrontEnd>(*form);
        front->start();
    }
    PanelView& panel() { return front->panel(); }
    QWidget& player() { return front->player(); }

    FakePlatform fake;
    std::unique_ptr<Form2> form;
    std::unique_ptr<FrontEnd> front;
};

TEST_F(WindowPlacementTest, WindowsStayOnTheScreenAndOnlyTheUsersMovesReachTheModel) {
    const QRect area = panel().screen()->availableGeometry();
    // The panel's place in the model is past the screen's right and bottom edges.
    const int left = geometry::toTwips(area.right() - 100);
    const int top = geometry::toTwips(area.bottom() - 50);
    front->forward([&] {
        form->Left = left;
        form->Top = top;
    });
    EXPECT_TRUE(area.contains(panel().frameGeometry())) << panel().frameGeometry().y();
    // An audio entry: the status timer fits the strip above the panel, and both are on the
    // screen.
    front->forward([&] {
        form->List1.setListIndex(0);
        form->playEntry.playSelected();
    });
    fake.engine.advance(1000);
    front->forward([&] { form->Timer1_Timer(); });
    Form1* strip = form->form1IfLoaded();
    ASSERT_NE(strip, nullptr);
    ASSERT_TRUE(player().isVisible());
    EXPECT_EQ(strip->Top, top - strip->Height());
    EXPECT_TRUE(area.contains(player().frameGeometry()));
    EXPECT_EQ(player().pos().x(), panel().pos().x());
    EXPECT_EQ(player().pos().y() + geometry::toPixels(strip->Height()), panel().pos().y());

    // What the view did is not the user's doing: the model keeps its places.
    QTest::qWait(50);
    EXPECT_EQ(form->Left, left);
    EXPECT_EQ(form->Top, top);
    EXPECT_EQ(strip->Top, top - strip->Height());

    // The user's move is.
    const QPoint moved = area.topLeft() + QPoint(40, 200);
    panel().move(moved);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->Top == geometry::toTwips(moved.y()); }));
    EXPECT_EQ(form->Left, geometry::toTwips(moved.x()));
    EXPECT_EQ(panel().pos(), moved);
}

} // namespace
} // namespace xj
