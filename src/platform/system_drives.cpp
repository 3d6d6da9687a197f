#include "platform/system_drives.h"

#include <QDir>
#include <QStorageInfo>

namespace xj {

namespace {
QString withSeparator(QString path) {
    if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
    return path;
}

bool dataVolume(const QStorageInfo& v) {
    static const QList<QByteArray> skipped = {"tmpfs",   "devtmpfs", "proc",
                                              "sysfs",   "squashfs", "overlay",
                                              "cgroup2", "autofs",   "efivarfs"};
    const QString root = v.rootPath();
    return v.isValid() && root != QStringLiteral("/") && !skipped.contains(v.fileSystemType()) &&
           !root.startsWith(QStringLiteral("/proc")) && !root.startsWith(QStringLiteral("/sys")) &&
           !root.startsWith(QStringLiteral("/dev")) && !root.startsWith(QStringLiteral("/run")) &&
           !root.startsWith(QStringLiteral("/boot")) && !root.startsWith(QStringLiteral("/snap"));
}
} // namespace

std::vector<DriveInfo> SystemDrives::list() {
    QStringList roots{QStringLiteral("/"), withSeparator(QDir::homePath())};
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (dataVolume(v) && !roots.contains(withSeparator(v.rootPath())))
            roots << withSeparator(v.rootPath());
    std::vector<DriveInfo> out;
    char letter = 'c';
    for (const QString& root : roots) {
        if (letter > 'z') break;
        out.push_back({QStringLiteral("%1: [%2]").arg(QLatin1Char(letter)).arg(root), root});
        ++letter;
    }
    return out;
}

QString SystemDrives::currentFolder() {
    return withSeparator(QDir::currentPath());
}

} // namespace xj
