#include "player/play_failures.h"

#include "form/list_box.h"

namespace xj {

void PlayFailures::started() {
    sinceStart_.clear();
    halted_ = false;
}

void PlayFailures::failed(const QString& entry) {
    sinceStart_.insert(entry);
}

bool PlayFailures::reportFirst(const QString& entry) {
    if (reported_.contains(entry)) return false;
    reported_.insert(entry);
    return true;
}

bool PlayFailures::allFailed(const ListBox& list) const {
    if (sinceStart_.isEmpty()) return false;
    for (int i = 0; i < list.ListCount(); ++i)
        if (!sinceStart_.contains(list.List(i))) return false;
    return true;
}

} // namespace xj
