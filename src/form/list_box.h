#pragma once

#include "form/collation.h"
#include "form/control.h"

#include <optional>

#include <QString>
#include <QStringList>
#include <vector>

namespace xj {

// A list box with extended multiple selection. A sorted list places an entry added without a
// position at its place in a case-insensitive collation; an entry inserted at a position stays
// there. Indexes are 16-bit: at most MaxCount entries.
class ListBox : public Control {
public:
    static constexpr int MaxCount = 32767;

    using Control::Control;

    bool Sorted = false;
    double FontSize = 10.5;

    int ListCount() const { return static_cast<int>(items_.size()); }
    QString List(int index) const; // empty text outside the list
    // Adds at the sorted place (or the end), or at index when given; fails with 5 past the
    // limit and 380 for an index outside 0..ListCount.
    void AddItem(const QString& text, int index = -1);
    // Adds many entries as AddItem would one after another, up to the limit; returns how many
    // were added.
    int AddItems(const QStringList& texts);
    void RemoveItem(int index);
    // Removes every marked entry, the others keeping their order; returns how many went.
    int RemoveSelected();
    void Clear();

    int ListIndex() const { return listIndex_; }
    void setListIndex(int index);
    bool Selected(int index) const;
    // Marking an entry also makes it the highlighted one.
    void setSelected(int index, bool on);
    int SelCount() const;

    // Move on with every change of the entries and of the marks, so a view of a long list
    // learns from one comparison whether it has anything to bring up to date. Changing the
    // entries moves both: the marks go with their entries.
    quint64 entriesRevision() const { return entriesRevision_; }
    quint64 marksRevision() const { return marksRevision_; }

private:
    void entriesChanged() {
        ++entriesRevision_;
        ++marksRevision_;
    }

    int sortedPlace(const QString& text) const;
    void check(int index) const;

    struct Entry {
        QString text;
        std::optional<QCollatorSortKey> key; // only in a sorted list
        bool selected = false;
    };
    Entry entry(const QString& text) const;
    std::vector<Entry> items_;
    int listIndex_ = -1;
    quint64 entriesRevision_ = 0;
    quint64 marksRevision_ = 0;
};

class ComboBox : public Control {
public:
    using Control::Control;
    QString Text;
    std::vector<QString> items;
};

// A media type box: its labels in order, the first one shown, the tooltip that invites a typed
// "*.ext" pattern, green on black.
void makeTypeBox(ComboBox& box, std::initializer_list<const char*> labels);

} // namespace xj
