#include "form/list_box.h"

#include <gtest/gtest.h>

namespace xj {
namespace {

// A view of a long list trusts these numbers to tell it what changed: every change of the
// entries or the marks must move them, and nothing else may.
TEST(ListBoxTest, RevisionsMoveWithEveryChangeOfEntriesAndMarksAndOnlyThen) {
    ListBox list("List1");
    list.Sorted = true;
    quint64 entries = list.entriesRevision(), marks = list.marksRevision();
    // What moved since the last look: "E" entries (and so marks), "M" marks alone, "" neither.
    auto moved = [&] {
        std::string what;
        if (list.entriesRevision() != entries) what += 'E';
        if (list.marksRevision() != marks) what += 'M';
        entries = list.entriesRevision();
        marks = list.marksRevision();
        return what;
    };

    list.AddItem("b");
    EXPECT_EQ(moved(), "EM");
    list.AddItem("a", 0);
    EXPECT_EQ(moved(), "EM");
    EXPECT_EQ(list.AddItems({"d", "c"}), 2);
    EXPECT_EQ(moved(), "EM");
    EXPECT_EQ(list.AddItems({}), 0);
    EXPECT_EQ(moved(), "");

    list.setSelected(1, true);
    EXPECT_EQ(moved(), "M");
    list.setSelected(1, true); // already marked
    EXPECT_EQ(moved(), "");
    list.setSelected(1, false);
    EXPECT_EQ(moved(), "M");
    list.setListIndex(2);
    EXPECT_EQ(moved(), "");

    // Reading leaves both alone.
    EXPECT_EQ(list.List(0), "a");
    EXPECT_FALSE(list.Selected(0));
    EXPECT_EQ(list.SelCount(), 0);
    EXPECT_EQ(moved(), "");

    EXPECT_EQ(list.RemoveSelected(), 0); // nothing marked: nothing goes
    EXPECT_EQ(moved(), "");
    list.setSelected(3, true);
    moved();
    EXPECT_EQ(list.RemoveSelected(), 1);
    EXPECT_EQ(moved(), "EM");
    list.RemoveItem(0);
    EXPECT_EQ(moved(), "EM");
    list.Clear();
    EXPECT_EQ(moved(), "EM");
    list.Clear(); // already empty
    EXPECT_EQ(moved(), "");

    // A failed change changes nothing.
    EXPECT_ANY_THROW(list.RemoveItem(0));
    EXPECT_ANY_THROW(list.setSelected(0, true));
    EXPECT_EQ(moved(), "");
}

} // namespace
} // namespace xj
