#include "support/event_loop.h"

#include <QDeadlineTimer>
#include <QThread>

namespace xj::test {

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

bool processEventsUntil(const std::function<bool()>& done, int ms) {
    const QDeadlineTimer deadline(ms);
    for (;;) {
        QCoreApplication::processEvents();
        if (done()) return true;
        if (deadline.hasExpired()) return false;
        QThread::msleep(50);
    }
}

} // namespace xj::test
