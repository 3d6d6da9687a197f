#include "platform/system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTime>

namespace xj {

namespace {
// How long a later start waits for the running instance to take its file.
constexpr int HandOverWaitMs = 3000;
} // namespace

LockFileInstance::LockFileInstance(QString lockPath) : path_(std::move(lockPath)) {}

LockFileInstance::~LockFileInstance() {
    // A connection closed as the server goes must not reach a front-end already gone.
    receiver_ = nullptr;
}

QString LockFileInstance::socketPath() const {
    return path_ + QStringLiteral(".socket");
}

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
    if (!lock_->tryLock(0)) return true;
    listen();
    return false;
}

void LockFileInstance::listen() {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours, so a socket left there belongs to a run that has ended.
    QLocalServer::removeServer(socketPath());
    if (!server_->listen(socketPath())) return;
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            // The whole path has come when the sender hangs up.
            auto take = [this, socket] {
                const QString path = QString::fromUtf8(socket->readAll());
                socket->deleteLater();
                if (receiver_ && !path.isEmpty()) receiver_(path);
            };
            if (socket->state() == QLocalSocket::UnconnectedState)
                take();
            else
                QObject::connect(socket, &QLocalSocket::disconnected, socket, take);
        }
    });
}

void LockFileInstance::handOver(const QString& path) {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(HandOverWaitMs)) return;
    socket.write(path.toUtf8());
    socket.waitForBytesWritten(HandOverWaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(HandOverWaitMs);
}

QString SystemClock::timeOfDay() {
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
}

void EventLoopExit::end() {
    QCoreApplication::exit(0);
}

QString sharedFolder(const QString& executableFolder) {
    const QDir bin(executableFolder);
    if (bin.dirName() != QStringLiteral("bin")) return {};
    const QString shared =
        QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("../share/xingjing")));
    return QFileInfo(shared).isDir() ? QDir::toNativeSeparators(shared) : QString();
}

QString programFolder(const QString& executableFolder) {
    QFileInfo info(executableFolder);
    // An installed program's folder is shared by every user (and writable by root).
    const bool installed = !sharedFolder(executableFolder).isEmpty();
    if (!installed && info.isDir() && info.isWritable())
        return QDir::toNativeSeparators(executableFolder);
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
