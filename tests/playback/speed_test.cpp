#include "form/events.h"
#include "form/failure.h"
#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class SpeedTest : public PanelTest {
protected:
    // Three ten-second entries, the first playing for a second (after the start's one-shot
    // look for a command-line file).
    Form2& playing() {
        Form2& f = startWith({"/m/a.avi", "/m/b.avi", "/m/c.avi"}, 10);
        advance(3000);
        playEntry(0);
        advance(1000);
        return f;
    }
    double rate() { return fake.engine.speed; }
    QString step() { return form->Timer3.Tag; }
    int interval() { return form->Timer3.Interval(); }
    bool reverse() { return form->Timer3.Enabled(); }
    // A click as the front-end delivers it: a failure ends the handler silently.
    void click(Menu& item) {
        runHandler([&] { item.Click(); });
    }
    void click(void (Form2::*handler)()) {
        runHandler([&] { (form.get()->*handler)(); });
    }
    QString badge() {
        const Label& l = player().speedBadge.label;
        return l.Visible ? l.Caption : QString();
    }
};

TEST_F(SpeedTest, RateChangesByAFractionOfTheCurrentRateInDoublePrecision) {
    Form2& f = playing();
    click(&Form2::Command27_Click);
    EXPECT_EQ(rate(), 1.1);
    click(&Form2::Command27_Click);
    EXPECT_EQ(rate(), 1.2100000000000002);
    click(&Form2::Command27_Click);
    EXPECT_EQ(rate(), 1.3310000000000002);
    click(&Form2::Command28_Click);
    EXPECT_EQ(rate(), 1.0);

    click(&Form2::Command29_Click);
    EXPECT_EQ(rate(), 0.9);
    click(&Form2::Command27_Click);
    EXPECT_EQ(rate(), 0.99);

    // The menus: 10% and 20% faster, 10% slower (the "20%" items slow by 10% too), normal.
    click(f.MNUZHENG2);
    click(f.MNUJIAKUAI2A2);
    EXPECT_EQ(rate(), 1.2);
    click(f.MNUJIAKUAI1);
    EXPECT_EQ(rate(), 1.2 + 1.2 * 0.1);
    click(f.MNUZHENG);
    click(f.MNUJIAN1A2);
    EXPECT_EQ(rate(), 0.9);
    click(f.MNUJIAN2);
    EXPECT_EQ(rate(), 0.9 - 0.9 * 0.1);
    click(f.MNUJIAN2A2);
    EXPECT_EQ(rate(), 0.81 - 0.81 * 0.1);

    // Another entry keeps the rate; the interval and step stay untouched by all of this.
    const double kept = rate();
    f.Command25_Click();
    EXPECT_EQ(fake.engine.file, "/m/b.avi");
    EXPECT_EQ(rate(), kept);
    EXPECT_EQ(step(), "0.09");
    EXPECT_EQ(interval(), 60);
}

TEST_F(SpeedTest, ReverseStepIsKeptAsFifteenDigitText) {
    Form2& f = playing();
    click(&Form2::Command30_Click);
    ASSERT_TRUE(reverse());
    const QStringList faster = {"0.099", "0.1089", "0.11979"};
    for (const QString& expected : faster) {
        click(&Form2::Command27_Click);
        EXPECT_EQ(step(), expected);
    }
    click(&Form2::Command28_Click);
    EXPECT_EQ(step(), "0.09");
    click(&Form2::Command29_Click);
    EXPECT_EQ(step(), "0.0818181818181818");
    click(f.MNUJIAN2A2);
    EXPECT_EQ(step(), "0.0743801652892562");
    // Backwards the buttons leave the rate alone.
    EXPECT_EQ(rate(), 1.0);
}

TEST_F(SpeedTest, ReverseIntervalIsWholeMillisecondsFromTheMenus) {
    Form2& f = playing();
    click(&Form2::Command30_Click);
    QList<int> seen;
    for (int i = 0; i < 21; ++i) {
        click(i % 2 ? f.MNUJIAKUAI2 : f.MNUJIAKUAI1A2);
        seen << interval();
    }
    EXPECT_EQ(seen, (QList<int>{55, 50, 45, 41, 37, 34, 31, 28, 25, 23, 21,
                                19, 17, 15, 14, 13, 12, 11, 10, 10, 10}));
    // Backwards the menus leave the rate alone, but normal speed sets it and reverse stays on.
    EXPECT_EQ(rate(), 1.0);

    // The normal button resets the step only; the normal menu item the rate only.
    click(&Form2::Command27_Click);
    click(&Form2::Command28_Click);
    EXPECT_EQ(step(), "0.09");
    EXPECT_EQ(interval(), 10);
    click(f.MNUZHENG2);
    EXPECT_TRUE(reverse());
    EXPECT_EQ(interval(), 10);
}

TEST_F(SpeedTest, RefusedSlowerValueReturnsToTheStartAtNormalSpeed) {
    Form2& f = playing();
    // Slower from the slowest rate the engine takes: refused, so back to the start at 1.0,
    // still playing.
    fake.engine.setRate(0.01);
    click(&Form2::Command29_Click);
    EXPECT_EQ(rate(), 1.0);
    EXPECT_EQ(fake.engine.position(), 0);
    EXPECT_TRUE(fake.engine.playing());
    EXPECT_FALSE(reverse());

    // Backwards, the menu's 10% slower grows the interval until the timer refuses it.
    playEntry(0);
    advance(1000);
    click(f.MNUJIAKUAI2);
    click(&Form2::Command30_Click);
    QList<int> seen;
    for (int i = 0; i < 8; ++i) {
        click(f.MNUJIAN1);
        seen << interval();
    }
    EXPECT_EQ(seen, (QList<int>{66, 73, 80, 88, 97, 107, 118, 130}));
    while (reverse() && interval() < Timer::MaxInterval)
        click(f.MNUJIAN1A2);
    EXPECT_FALSE(reverse());
    EXPECT_EQ(rate(), 1.0);
    EXPECT_EQ(fake.engine.position(), 0);
    // The control is left paused, as reverse play had it; the interval keeps its last value.
    EXPECT_FALSE(fake.engine.playing());
    EXPECT_GT(Timer::MaxInterval * 1.1, interval());
    EXPECT_GT(interval(), Timer::MaxInterval / 1.1);
}

TEST_F(SpeedTest, ReversePlayRunsBackToTheStartAndTheListMovesOn) {
    Form2& f = playing();
    advance(1000); // two seconds in
    click(&Form2::Command30_Click);
    EXPECT_FALSE(fake.engine.playing());
    EXPECT_EQ(badge(), "倒放 1.5×");
    const double from = fake.engine.position();
    advance(600);
    EXPECT_NEAR(fake.engine.position(), from - 0.9, 1e-9);

    // Off again: forwards from where it got to, at the rate it had.
    click(f.MNUJIAKUAI2);
    click(&Form2::Command30_Click);
    const double at = fake.engine.position();
    EXPECT_TRUE(fake.engine.playing());
    EXPECT_EQ(badge(), "1.0×");
    advance(1000);
    EXPECT_NEAR(fake.engine.position(), at + 1.0, 1e-9);
    f.Command27_Click();
    EXPECT_EQ(badge(), "1.1×");
    advance(SpeedBadge::ShownMs);
    EXPECT_EQ(badge(), "");

    // Backwards past the start: paused at 0, reverse off, normal speed; then the next entry.
    click(&Form2::Command30_Click);
    advance(3000);
    EXPECT_FALSE(reverse());
    EXPECT_EQ(rate(), 1.0);
    EXPECT_EQ(badge(), "1.0×");
    EXPECT_EQ(fake.engine.file, "/m/a.avi");
    advance(2000);
    EXPECT_EQ(fake.engine.file, "/m/b.avi");
    EXPECT_TRUE(fake.engine.playing());
    EXPECT_EQ(f.listbian, 1);

    // Single-entry loop plays the same entry again.
    f.Label6_Click();
    f.Command27_Click();
    click(&Form2::Command30_Click);
    const int loads = fake.engine.loads;
    advance(4000);
    EXPECT_EQ(fake.engine.loads, loads + 1);
    EXPECT_EQ(fake.engine.file, "/m/b.avi");
    EXPECT_TRUE(fake.engine.playing());
    EXPECT_EQ(rate(), 1.0);
}

} // namespace
} // namespace xj::test
