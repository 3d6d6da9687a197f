#include "support/engine_kinds.h"

#include "platform/mpv_engine.h"
#include "support/event_loop.h"
#include "support/media_files.h"

#include <QDir>

namespace xj::test {

namespace {

// Virtual time moves on in steps as short as a status tick.
constexpr int kFakeStepMs = 50;

const QString kFakeFolder = QStringLiteral("/contract");

QString fakePath(const QString& name) {
    return QDir(kFakeFolder).filePath(name);
}

} // namespace

QString FakeEngineKind::audio(const QString& name, double seconds) {
    const QString path = fakePath(name);
    engine_.addMedia(path, seconds);
    return path;
}

QString FakeEngineKind::picture(const QString& name) {
    const QString path = fakePath(name);
    engine_.addPicture(path);
    return path;
}

QString FakeEngineKind::unplayable(const QString& name) {
    const QString path = fakePath(name);
    engine_.addUnplayable(path);
    return path;
}

QString FakeEngineKind::missing(const QString& name) const {
    return fakePath(name);
}

bool FakeEngineKind::waitUntil(const std::function<bool()>& done, int ms) {
    for (int passed = 0;; passed += kFakeStepMs) {
        if (done()) return true;
        if (passed >= ms) return false;
        engine_.advance(kFakeStepMs);
    }
}

MpvEngineKind::MpvEngineKind() {
    application();
    MpvOptions options;
    options.audioOutput = QStringLiteral("null");
    options.videoOutput = QStringLiteral("null");
    // A loaded machine must not turn a slow open into a missed failure.
    options.loadTimeoutMs = 10000;
    engine_ = std::make_unique<MpvEngine>(options);
}

MpvEngineKind::~MpvEngineKind() = default;

MediaEngine& MpvEngineKind::engine() {
    return *engine_;
}

QString MpvEngineKind::audio(const QString& name, double seconds) {
    return makeTone(dir_.path(), name, seconds);
}

QString MpvEngineKind::picture(const QString& name) {
    return makePicture(dir_.path(), name);
}

QString MpvEngineKind::unplayable(const QString& name) {
    return makeGarbage(dir_.path(), name, 64 * 1024);
}

QString MpvEngineKind::missing(const QString& name) const {
    return dir_.filePath(name);
}

bool MpvEngineKind::waitUntil(const std::function<bool()>& done, int ms) {
    return processEventsUntil(done, ms);
}

} // namespace xj::test
