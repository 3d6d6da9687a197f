#pragma once

#include "form/failure.h"

#include <utility>

namespace xj {

// Runs one event handler. A failure ends the handler silently; what it changed before the
// failing step stays changed.
template <class F> void runHandler(F&& handler) {
    try {
        std::forward<F>(handler)();
    } catch (const Failure&) {
    }
}

} // namespace xj
