#pragma once

#include <future>

namespace xj {

// Reads fontconfig's configuration and caches on a thread of its own, which the first widget
// otherwise waits for: begun first thing, it overlaps the application object and the engine
// starting. Wait for it before the first widget is made, so the two never do it twice.
std::future<void> loadFontsAhead();

} // namespace xj
