#pragma once

#include "ports/platform.h"

#include <QLockFile>
#include <QStringList>
#include <memory>

namespace xj {

// One instance per user: a lock file in the user's runtime folder.
class LockFileInstance : public InstanceLock {
public:
    explicit LockFileInstance(QString lockPath = defaultPath());
    bool anotherRunning() override;
    static QString defaultPath();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

class SystemClock : public Clock {
public:
    QString timeOfDay() override;
};

// Leaves the event loop; the windows close with it.
class EventLoopExit : public ProgramExit {
public:
    void end() override;
};

// The folder of the executable when it is writable, else the user's data folder.
QString programFolder(const QString& executableFolder);

// The command line as the shell hands a path over: the arguments joined by single blanks,
// wrapped in double quotes unless already so. No argument gives an empty line.
QString shellCommandLine(const QStringList& arguments);

} // namespace xj
