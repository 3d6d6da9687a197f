#pragma once

#include <QSet>
#include <QString>

namespace xj {

class ListBox;

// What the player has failed to open in this run, so that unplayable entries do not raise a
// message on every pass over the list, and a list where nothing plays stops going round.
class PlayFailures {
public:
    // The player opened something: the unbroken run of failures ends, and so does a halt.
    void started();
    // The player refused an entry.
    void failed(const QString& entry);
    // True the first time an entry's failure is to be reported in this run; later failures of
    // the same entry pass silently.
    bool reportFirst(const QString& entry);
    // Every entry of the list has failed since anything last started.
    bool allFailed(const ListBox& list) const;

    // No end-of-entry advance until something starts again (stop, or nothing left to try).
    void halt() { halted_ = true; }
    bool halted() const { return halted_; }

private:
    QSet<QString> reported_;
    QSet<QString> sinceStart_;
    bool halted_ = false;
};

} // namespace xj
