#include "form/message_text.h"
#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class PlayFailuresTest : public PanelTest {
protected:
    int messagesAbout(const QString& entry) const {
        int n = 0;
        for (const ShownMessage& m : fake.messages.shown)
            n += m.text.contains(entry) ? 1 : 0;
        return n;
    }
};

TEST_F(PlayFailuresTest, UnplayableEntriesAreReportedOnceWhileTheListPlaysOn) {
    Form2& f = startWith({"/m/a.mp3"}, 2.0);
    for (const char* bad : {"/m/b-missing.mp3", "/m/c-missing.mp3", "/m/d-missing.mp3"})
        f.List1.AddItem(QString::fromUtf8(bad));
    playEntry(0);
    advance(30000);
    const size_t shown = fake.messages.shown.size();
    EXPECT_GE(shown, 1u);
    for (const char* bad : {"/m/b-missing.mp3", "/m/c-missing.mp3", "/m/d-missing.mp3"})
        EXPECT_LE(messagesAbout(QString::fromUtf8(bad)), 1) << bad;

    // Later passes skip them without a word; the good entry keeps coming round, and the title
    // still says something is wrong.
    const int loads = fake.engine.loads;
    const int flashes = fake.flash.count;
    advance(30000);
    EXPECT_EQ(fake.messages.shown.size(), shown);
    EXPECT_GT(fake.engine.loads, loads + 5);
    EXPECT_GT(fake.flash.count, flashes + 5);
    EXPECT_TRUE(f.MNUSANSHUO.Checked);
}

TEST_F(PlayFailuresTest, AListWhereNothingPlaysStopsGoingRound) {
    // The four welcome lines of a first start are entries that cannot be played.
    Form2& f = start();
    ASSERT_EQ(f.List1.ListCount(), 4);
    playEntry(0);
    advance(20000);
    EXPECT_LE(fake.messages.shown.size(), 4u);
    const int loads = fake.engine.loads;
    const size_t shown = fake.messages.shown.size();
    advance(20000);
    EXPECT_EQ(fake.engine.loads, loads);
    EXPECT_EQ(fake.messages.shown.size(), shown);
    EXPECT_FALSE(fake.engine.playing());

    // Something that plays starts the list going again.
    fake.engine.addMedia("/m/x.mp3", 2.0);
    fake.engine.addMedia("/m/y.mp3", 2.0);
    f.List1.AddItem("/m/x.mp3", 0);
    f.List1.AddItem("/m/y.mp3", 1);
    f.List1.setSelected(f.List1.ListIndex(), false);
    playEntry(0);
    EXPECT_EQ(fake.engine.file, "/m/x.mp3");
    advance(2100);
    EXPECT_EQ(fake.engine.file, "/m/y.mp3");
    EXPECT_TRUE(fake.engine.playing());
}

TEST_F(PlayFailuresTest, StopEndsARunOfSkipsAtOnce) {
    Form2& f = startWith({"/m/a.mp3"}, 2.0);
    for (const char* bad : {"/m/b-missing.mp3", "/m/c-missing.mp3", "/m/d-missing.mp3"})
        f.List1.AddItem(QString::fromUtf8(bad));
    playEntry(0);
    advance(2100); // a ends; b is reported, c is skipped on the way
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    ASSERT_TRUE(f.Command14.Enabled);
    f.Command14_Click();
    const int loads = fake.engine.loads;
    advance(20000);
    EXPECT_EQ(fake.engine.loads, loads);
    EXPECT_EQ(fake.messages.shown.size(), 1u);

    // Play goes on from where the user takes it.
    playEntry(0);
    EXPECT_TRUE(fake.engine.playing());
    EXPECT_EQ(fake.engine.file, "/m/a.mp3");
}

TEST_F(PlayFailuresTest, AHugeEntryIsQuotedShortened) {
    Form2& f = startWith({"/m/a.mp3"}, 2.0);
    const QString huge = "/m/b" + QString(1'000'000, QChar('x')) + "-end.mp3";
    f.List1.AddItem(huge);
    playEntry(0);
    advance(2100);
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    const QString& text = fake.messages.shown[0].text;
    EXPECT_LT(text.size(), 400);
    EXPECT_TRUE(text.contains("/m/bxxxx"));
    EXPECT_TRUE(text.contains("x" + QString(QChar(0x2026)) + "x"));
    EXPECT_TRUE(text.contains("xxxx-end.mp3)"));

    // Short texts stay whole; a long one keeps at most 300 characters and never half of a
    // character outside the basic plane.
    EXPECT_EQ(quotedInMessage("/m/short.mp3"), "/m/short.mp3");
    QString faces;
    for (int i = 0; i < 400; ++i)
        faces += QString::fromUtf8("😀");
    const QString shortened = quotedInMessage(faces);
    EXPECT_LE(shortened.size(), 300);
    EXPECT_TRUE(shortened.isValidUtf16());
    EXPECT_TRUE(shortened.startsWith(QString::fromUtf8("😀")));
    EXPECT_TRUE(shortened.endsWith(QString::fromUtf8("😀")));
}

} // namespace
} // namespace xj::test
