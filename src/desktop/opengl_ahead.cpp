#include "desktop/opengl_ahead.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QThread>

#include <future>

namespace xj::openglahead {

namespace {
std::future<QOpenGLContext*>& pending() {
    static std::future<QOpenGLContext*> made;
    return made;
}
} // namespace

void start() {
    // Not QOpenGLContext::supportsThreadedOpenGL(): under X it makes a context of its own to
    // ask the driver, on this thread, which is the very wait to be spared. Every driver of
    // today's desktops makes contexts on any thread.
    if (pending().valid()) return;
    QThread* gui = QCoreApplication::instance()->thread();
    pending() = std::async(std::launch::async, [gui]() -> QOpenGLContext* {
        auto context = std::make_unique<QOpenGLContext>();
        if (!context->create()) return nullptr;
        // Never current here, so it may go to the thread that renders.
        context->moveToThread(gui);
        return context.release();
    });
}

std::unique_ptr<QOpenGLContext> take() {
    if (!pending().valid()) return nullptr;
    return std::unique_ptr<QOpenGLContext>(pending().get());
}

} // namespace xj::openglahead
