#pragma once

#include "core/form2.h"
#include "support/fakes.h"
#include "support/virtual_time.h"

#include <memory>

namespace xj::fuzz {

// A panel started on the fakes with a few entries, one per input, on one program folder that
// lasts the whole run: only the playlist file is written again.
class FormRun {
public:
    // The entries the playlist file starts with.
    static const QStringList& entries();

    // `playable` is a file the engine plays besides the entries, so that playing it succeeds.
    explicit FormRun(const QString& commandLine = {}, const QString& playable = {});
    // Lets the engine play the file.
    void playable(const QString& path);
    ~FormRun();
    Form2& form() { return *form_; }
    void advance(int ms) { time_->advance(ms); }
    test::FakePlatform& fake();

private:
    std::unique_ptr<Form2> form_;
    std::unique_ptr<test::VirtualTime> time_;
};

// Whether the list holds the path, letter case ignored.
bool holds(const Form2& f, const QString& path);

// The file the panel was handed, found or put on top, is the one highlighted entry.
void checkTaken(const Form2& f, const QString& path, bool wasThere, int countBefore);

} // namespace xj::fuzz
