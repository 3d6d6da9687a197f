#pragma once

#include "core/form2.h"
#include "support/fakes.h"
#include "support/folder_tree.h"
#include "support/virtual_time.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace xj::test {

// A random user of the whole window model: clicks, keys, menus, drops, time passing, message
// boxes answered at random, files coming and going, an engine that refuses what it cannot play.
// After every event it checks what must always hold, and stops at the first fault with the
// seed, the event's number and the events that led to it.
class Monkey {
public:
    explicit Monkey(unsigned long long seed);
    ~Monkey();

    // Runs `events` events; false at the first fault (reported to the test).
    bool run(long events);
    long eventsRun() const { return number_; }
    // What the run went through, in a line.
    QString summary() const;
    // The seed, the event's number and the events that led to it.
    QString history() const;

private:
    // What an event's handler promises about the transport buttons.
    enum class Promise { None, Play, Pause, Stop, PlayEntry, Next };
    struct Before {
        bool play, pause, stop;
        bool playerLoaded;
        int refusals;
        QByteArray file;
        bool fileExisted;
    };

    // World.
    void buildTree();
    QString addMediaFile(const QString& folder);
    void registerFile(const QString& path);
    void removeFile();
    QString somePath();
    QStringList someDrop();
    void restart();

    // Events.
    void step();
    void panelControl();
    void listEvent();
    void menuItem();
    void passTime();
    void playerEvent();
    void browserEvent();
    void worldEvent();
    void libraryEvent();
    void panelWindow();
    // What desktop tools ask over the bus: it reaches the panel even while it is disabled or a
    // message box waits.
    void busRequest();
    void forward(const QString& what, const std::function<void()>& handler);
    void answer(const ShownMessage& box);
    // Keeps the last events for the report.
    void note(const QString& what);

    // Checks.
    Before snapshot() const;
    void check(const Before& before);
    void checkButtons(const Before& before);
    void checkSaved(const Before& before);
    void checkLoaded(const QByteArray& file, bool existed);
    void fault(const QString& what);

    // Random choices.
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    unsigned long long seed_;
    std::mt19937_64 rng_;
    FakePlatform fake_;
    FolderTree tree_;
    std::unique_ptr<Form2> form_;
    std::unique_ptr<VirtualTime> time_;
    QStringList files_;   // media files on disk the engine knows
    QStringList folders_; // folders of the tree the files go into

    long number_ = 0;
    std::deque<QString> recent_;
    QString faults_;
    bool inTime_ = false;
    bool inBox_ = false;
    // This event: the promise to check, a save answered Yes, a save refused.
    Promise promise_ = Promise::None;
    bool saveAnswered_ = false;
    bool saveRefused_ = false;
    bool fileReplaced_ = false; // by the world, not by the program
    // Closed under a box: the handler under it goes on after the end, and nothing it does then
    // is kept.
    bool quitUnderBox_ = false;
    // Lines read from the file that the list had no room for, as reported in this run: a save
    // writes them after the entries.
    int keptInFile_ = 0;
    // For the summary.
    int starts_ = 0, savesChecked_ = 0, promisesChecked_ = 0, longestList_ = 0;
};

} // namespace xj::test
