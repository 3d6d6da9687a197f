#include "core/form2.h"
#include "desktop/front_end.h"
#include "desktop/menu_mirror.h"
#include "desktop/panel_view.h"
#include "desktop/video_view.h"
#include "player/form1.h"
#include "support/fakes.h"

#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>
#include <memory>

namespace xj {
namespace {

class ControlBindingTest : public ::testing::Test {
protected:
    void SetUp() override { start(); }
    void start(const FrontEnd::VideoFactory& video = {}) {
        front.reset();
        fake.writeFile("xp.txt", "no xp\r\n");
        form = std::make_unique<Form2>(fake.platform);
        front = std::make_unique<FrontEnd>(*form, video);
        front->start();
    }

    test::FakePlatform fake;
    std::unique_ptr<Form2> form;
    std::unique_ptr<FrontEnd> front;
};

template <class Kind> bool is(const Control* c) {
    return dynamic_cast<const Kind*>(c) != nullptr;
}

// What the front-end delivers to a control of each kind, and what a control the user sees
// must have bound: every control is bound in its window (with nothing, for one that only
// shows), and a button, label or list bound with anything has its click.
void expectBoundAsItsKindAllows(Control* c) {
    SCOPED_TRACE(c->Name.toStdString());
    EXPECT_TRUE(c->bound()) << "its window never bound its events";
    const ControlEvents& e = c->events();
    const bool clickable = is<CommandButton>(c) || is<Label>(c) || is<ListBox>(c);
    const bool any = e.onClick || e.onDblClick || e.onChange || e.onGotFocus || e.onMouseDown ||
                     e.onMouseUp || e.onKeyDown || e.onMoveTo || e.onDrop;
    if (clickable && any) {
        EXPECT_TRUE(e.onClick) << "a button, label or list with events has its click";
    }
    if (e.onClick) {
        EXPECT_TRUE(clickable || is<ComboBox>(c)) << "nothing clicks it";
    }
    if (e.onChange) {
        EXPECT_TRUE(is<ComboBox>(c) || is<DriveListBox>(c) || is<HScrollBar>(c))
            << "nothing changes it";
    }
    if (e.onMoveTo) {
        EXPECT_TRUE(is<DirListBox>(c)) << "only a folder list moves";
    }
    if (e.onDrop) {
        EXPECT_TRUE(c->Name == QLatin1String("List1") || c->Name == QLatin1String("MediaPlayer1"))
            << "files are dropped on the playlist and the player only";
    }
    // The frame is drawn, not forwarded: it takes no mouse, key or focus events.
    if (c->Name == QLatin1String("Frame1")) {
        EXPECT_FALSE(any);
    }
}

TEST_F(ControlBindingTest, EveryShownControlOfTheWindowsIsBoundAsItsKindAllows) {
    for (Control* c : form->controls())
        if (!c->NeverShown) expectBoundAsItsKindAllows(c);
    expectBoundAsItsKindAllows(&form->form1().MediaPlayer1);
    front->panel().menus().actionOf(form->MNUDAMU)->trigger();
    ASSERT_NE(form->form4IfLoaded(), nullptr);
    for (Control* c : form->form4IfLoaded()->controls())
        expectBoundAsItsKindAllows(c);
}

TEST_F(ControlBindingTest, AHandlerBoundInTheModelIsReachedWithoutTheFrontEndKnowingIt) {
    // The tool area's faster button has no handler yet; binding one in the model is enough.
    front->forward([&] { form->Command11_Click(); });
    auto* faster = front->panel().findChild<QToolButton*>(QStringLiteral("Command27"));
    ASSERT_NE(faster, nullptr);
    ASSERT_TRUE(faster->isVisible());
    int clicks = 0, releases = 0;
    form->Command27.bind({.onClick = [&] { ++clicks; },
                          .onMouseUp = [&](int button, int, int, int) { releases += button; }});
    QTest::mouseClick(faster, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(releases, 1);
}

// A picture area with nothing to draw: the press is what counts.
class BlankVideo : public VideoView {
public:
    explicit BlankVideo(QWidget* parent) : VideoView(parent) {}
    bool usesOpenGL() const override { return false; }
};

TEST_F(ControlBindingTest, APressOnThePictureReachesThePlayersControl) {
    VideoView* video = nullptr;
    start([&](QWidget* parent) { return video = new BlankVideo(parent); });
    ASSERT_NE(video, nullptr);
    // The first toggle minimises the player window away, the second brings it back.
    front->forward([&] { form->Command17_Click(); });
    front->forward([&] { form->Command17_Click(); });
    ASSERT_TRUE(video->isVisible());
    form->MNUHUANDENG.Checked = true;
    QTest::mouseClick(video, Qt::LeftButton);
    EXPECT_FALSE(form->MNUHUANDENG.Checked);

    // The slot the player window bound is the one that runs.
    int pressed = 0;
    form->form1().MediaPlayer1.bind(
        {.onMouseDown = [&](int button, int shift, int, int) { pressed = button * 10 + shift; }});
    QTest::mouseClick(video, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(pressed, 21);
}

} // namespace
} // namespace xj
