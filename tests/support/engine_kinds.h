#pragma once

#include "ports/media_engine.h"
#include "support/fakes.h"

#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace xj {
class MpvEngine;
}

namespace xj::test {

// What a test of the media engine contract needs to know about one implementation: how to make
// the engine, how to make media for it and how to let time pass. Waits poll until a condition
// holds; their bounds are generous and never asserted as speed limits.
//
// The fake plays registered names in virtual time.
class FakeEngineKind {
public:
    MediaEngine& engine() { return engine_; }

    QString audio(const QString& name, double seconds);
    QString picture(const QString& name);
    QString unplayable(const QString& name);
    QString missing(const QString& name) const;

    // Lets time pass until done() holds, or ms have passed; false if it never held.
    bool waitUntil(const std::function<bool()>& done, int ms = 8000);
    void pass(int ms) {
        waitUntil([] { return false; }, ms);
    }

private:
    FakeEngine engine_;
};

// The libmpv engine without sound card or window (ao=null, vo=null) on media that ffmpeg makes.
class MpvEngineKind {
public:
    MpvEngineKind();
    ~MpvEngineKind();
    MpvEngineKind(const MpvEngineKind&) = delete;
    MpvEngineKind& operator=(const MpvEngineKind&) = delete;

    MediaEngine& engine();

    QString audio(const QString& name, double seconds);
    QString picture(const QString& name);
    QString unplayable(const QString& name);
    QString missing(const QString& name) const;

    // Runs the event loop (queued notifications included) while it waits.
    bool waitUntil(const std::function<bool()>& done, int ms = 8000);
    void pass(int ms) {
        waitUntil([] { return false; }, ms);
    }

private:
    QTemporaryDir dir_;
    std::unique_ptr<MpvEngine> engine_;
};

} // namespace xj::test
