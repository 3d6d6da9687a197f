#include "form/list_box.h"

#include "form/collation.h"
#include "form/failure.h"

#include <algorithm>

namespace xj {

QString ListBox::List(int index) const {
    if (index < 0 || index >= ListCount()) return {};
    return items_[static_cast<size_t>(index)].text;
}

int ListBox::sortedPlace(const QString& text) const {
    auto it =
        std::upper_bound(items_.begin(), items_.end(), text, [](const QString& t, const Entry& e) {
            return collation::compare(t, e.text) < 0;
        });
    return static_cast<int>(it - items_.begin());
}

void ListBox::AddItem(const QString& text, int index) {
    if (ListCount() >= MaxCount) throw Failure(err::InvalidCall, "list is full");
    if (index < -1 || index > ListCount()) throw Failure(err::InvalidValue);
    int at = index >= 0 ? index : (Sorted ? sortedPlace(text) : ListCount());
    items_.insert(items_.begin() + at, Entry{text, false});
    if (listIndex_ >= at) ++listIndex_;
}

void ListBox::RemoveItem(int index) {
    check(index);
    items_.erase(items_.begin() + index);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
}

void ListBox::Clear() {
    items_.clear();
    listIndex_ = -1;
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= ListCount()) throw Failure(err::InvalidValue);
    listIndex_ = index;
}

bool ListBox::Selected(int index) const {
    check(index);
    return items_[static_cast<size_t>(index)].selected;
}

void ListBox::setSelected(int index, bool on) {
    check(index);
    items_[static_cast<size_t>(index)].selected = on;
    if (on) listIndex_ = index;
}

int ListBox::SelCount() const {
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](const Entry& e) { return e.selected; }));
}

void ListBox::check(int index) const {
    if (index < 0 || index >= ListCount()) throw Failure(err::InvalidValue);
}

} // namespace xj
