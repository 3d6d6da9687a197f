#pragma once

#include <memory>

class QOpenGLContext;

namespace xj::openglahead {

// Begins making an OpenGL context on a thread of its own, where the platform allows it: loading
// the driver then overlaps the building of the windows. For a start that will show a picture;
// sound alone never loads OpenGL. Call after the application object exists, at most once.
void start();

// The context begun by start(), on the calling thread, once it is made; nullptr when none was
// begun or it could not be made.
std::unique_ptr<QOpenGLContext> take();

} // namespace xj::openglahead
