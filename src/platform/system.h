#pragma once

#include "ports/platform.h"

#include <QLockFile>
#include <QStringList>
#include <functional>
#include <memory>

class QLocalServer;

namespace xj {

// One instance per user: a lock file in the user's runtime folder. The instance holding it
// listens on a local socket beside it for files a later start hands over.
class LockFileInstance : public InstanceLock {
public:
    using Receiver = std::function<void(const QString& path)>;

    explicit LockFileInstance(QString lockPath = defaultPath());
    ~LockFileInstance() override;
    bool anotherRunning() override;
    void handOver(const QString& path) override;
    // Where handed-over files go, once this instance holds the lock.
    void setReceiver(Receiver receiver) { receiver_ = std::move(receiver); }
    static QString defaultPath();

private:
    void listen();
    QString socketPath() const;

    QString path_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
    Receiver receiver_;
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

// The shipped files' folder of an installed program (one whose executable sits in the bin/
// folder of a prefix with share/xingjing), else empty.
QString sharedFolder(const QString& executableFolder);
// The user's data folder for an installed program, whoever runs it; else the folder of the
// executable when it is writable, else the user's data folder.
QString programFolder(const QString& executableFolder);

// The command line as the shell hands a path over: the arguments joined by single blanks,
// wrapped in double quotes unless already so. No argument gives an empty line.
QString shellCommandLine(const QStringList& arguments);

} // namespace xj
