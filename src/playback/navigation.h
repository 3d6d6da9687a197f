#pragma once

#include <QString>

namespace xj {

class Form2;

// Moving through the playlist: previous and next wrap around at both ends and ignore the
// modes; the end-of-entry advance follows the loop mode and the clock-driven random mode.
class Navigation {
public:
    explicit Navigation(Form2& f) : f_(f) {}

    // Each ends silently at a failing step (an empty list, no highlight, a file refused).
    void previous();
    void next();
    // The pop-up's previous/next: through the button while it is enabled, then the status
    // timer runs again in either case.
    void menuPrevious();
    void menuNext();

    void toggleLoopMode();
    void toggleRandomMode();

    // Loads the entry that follows the one that ended.
    void advanceAtEnd();
    // The index that follows `from` in whole-list loop; the clock's last digit drives random.
    static int following(int from, int count, bool random, const QString& timeOfDay);

private:
    void load();
    void fitPlayer();
    Form2& f_;
};

} // namespace xj
