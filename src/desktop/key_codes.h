#pragma once

class QKeyEvent;

namespace xj {

// The Windows virtual-key number the handlers take for a key press; 0 for a key without one.
int virtualKey(const QKeyEvent& event);

} // namespace xj
