#pragma once

#include <QCoreApplication>

#include <functional>

namespace xj::test {

// The one application object of a test program whose engines queue notifications to its
// event loop; made on first use.
QCoreApplication& application();

// Runs the event loop every 50 ms until done() holds or ms have passed; false if it never held.
bool processEventsUntil(const std::function<bool()>& done, int ms);

} // namespace xj::test
