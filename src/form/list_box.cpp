#include "form/list_box.h"

#include "form/failure.h"

#include <algorithm>

namespace xj {

namespace {
bool before(const QCollatorSortKey& a, const QCollatorSortKey& b) {
    return a.compare(b) < 0;
}
} // namespace

QString ListBox::List(int index) const {
    if (index < 0 || index >= ListCount()) return {};
    return items_[static_cast<size_t>(index)].text;
}

ListBox::Entry ListBox::entry(const QString& text) const {
    Entry e{text, std::nullopt, false};
    if (Sorted) e.key = collation::key(text);
    return e;
}

int ListBox::sortedPlace(const QString& text) const {
    const QCollatorSortKey k = collation::key(text);
    auto it = std::upper_bound(
        items_.begin(), items_.end(), k,
        [](const QCollatorSortKey& key, const Entry& e) { return before(key, *e.key); });
    return static_cast<int>(it - items_.begin());
}

void ListBox::AddItem(const QString& text, int index) {
    if (ListCount() >= MaxCount) throw Failure(err::InvalidCall, "list is full");
    if (index < -1 || index > ListCount()) throw Failure(err::InvalidValue);
    int at = index >= 0 ? index : (Sorted ? sortedPlace(text) : ListCount());
    // The highlighted index keeps its number: an entry inserted above it moves the
    // highlighted entry one place down, away from the index.
    items_.insert(items_.begin() + at, entry(text));
    entriesChanged();
}

int ListBox::AddItems(const QStringList& texts) {
    const int room = std::max(0, MaxCount - ListCount());
    const int n = std::min(room, static_cast<int>(texts.size()));
    if (n == 0) return 0;
    entriesChanged();
    std::vector<Entry> added;
    added.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        added.push_back(entry(texts[i]));
    if (!Sorted) {
        items_.insert(items_.end(), std::make_move_iterator(added.begin()),
                      std::make_move_iterator(added.end()));
        return n;
    }
    // One by one, each would go after its equals: a stable sort, then a merge that puts the
    // entries already there first, gives the same order.
    auto byKey = [](const Entry& a, const Entry& b) { return before(*a.key, *b.key); };
    std::stable_sort(added.begin(), added.end(), byKey);
    std::vector<Entry> merged;
    merged.reserve(items_.size() + added.size());
    auto a = items_.begin();
    auto b = added.begin();
    while (a != items_.end() || b != added.end()) {
        const bool takeOld = b == added.end() || (a != items_.end() && !byKey(*b, *a));
        merged.push_back(std::move(takeOld ? *a++ : *b++));
    }
    items_ = std::move(merged);
    return n;
}

void ListBox::RemoveItem(int index) {
    check(index);
    items_.erase(items_.begin() + index);
    entriesChanged();
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
}

int ListBox::RemoveSelected() {
    std::vector<Entry> kept;
    kept.reserve(items_.size());
    int newIndex = -1;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].selected) continue;
        if (static_cast<int>(i) == listIndex_) newIndex = static_cast<int>(kept.size());
        kept.push_back(std::move(items_[i]));
    }
    const int removed = static_cast<int>(items_.size() - kept.size());
    if (removed > 0) entriesChanged();
    items_ = std::move(kept);
    listIndex_ = newIndex;
    return removed;
}

void ListBox::Clear() {
    if (!items_.empty()) entriesChanged();
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
    bool& mark = items_[static_cast<size_t>(index)].selected;
    if (mark != on) ++marksRevision_;
    mark = on;
    if (on) listIndex_ = index;
}

int ListBox::SelCount() const {
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](const Entry& e) { return e.selected; }));
}

void ListBox::check(int index) const {
    if (index < 0 || index >= ListCount()) throw Failure(err::InvalidValue);
}

void makeTypeBox(ComboBox& box, std::initializer_list<const char*> labels) {
    for (const char* label : labels)
        box.items.push_back(QString::fromUtf8(label));
    box.Text = box.items.front();
    box.ToolTipText =
        QString::fromUtf8("指定搜索文件的类型，可从下拉列表中选择，也可手工输入，格式为 *.扩展名");
    greenOnBlack(box);
}

} // namespace xj
