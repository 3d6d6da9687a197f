#include "platform/system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTime>

namespace xj {

LockFileInstance::LockFileInstance(QString lockPath) : path_(std::move(lockPath)) {}

QString LockFileInstance::defaultPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("xingjing.lock"));
}

bool LockFileInstance::anotherRunning() {
    if (lock_ && lock_->isLocked()) return false;
    lock_ = std::make_unique<QLockFile>(path_);
    // A lock left by a crashed run is taken over: QLockFile checks the process behind it.
    lock_->setStaleLockTime(0);
    return !lock_->tryLock(0);
}

QString SystemClock::timeOfDay() {
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
}

void EventLoopExit::end() {
    QCoreApplication::exit(0);
}

QString programFolder(const QString& executableFolder) {
    QFileInfo info(executableFolder);
    if (info.isDir() && info.isWritable()) return QDir::toNativeSeparators(executableFolder);
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return QDir::toNativeSeparators(data);
}

QString shellCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty()) return {};
    // The shell that split an unquoted path at its blanks would have handed it over whole.
    QString line = arguments.join(QLatin1Char(' '));
    if (line.size() >= 2 && line.startsWith(QLatin1Char('"')) && line.endsWith(QLatin1Char('"')))
        return line;
    return QLatin1Char('"') + line + QLatin1Char('"');
}

} // namespace xj
