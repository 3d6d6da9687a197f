#include "platform/folder_lister.h"

#include "form/failure.h"
#include "form/paths.h"

#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace xj {

namespace {

enum class Kind { Folder, File, Other };

// Calls `seen(name, kind)` for every entry that is not hidden; links count as Other.
template <class F> void readFolder(const QString& folder, F&& seen) {
    const QByteArray path = QFile::encodeName(folder);
    DIR* dir = opendir(path.constData());
    if (!dir) throw Failure(err::DiskNotReady, "cannot read " + path.toStdString());
    while (dirent* e = readdir(dir)) {
        if (e->d_name[0] == '.') continue;
        Kind kind = Kind::Other;
        unsigned char type = e->d_type;
        if (type == DT_UNKNOWN) {
            struct stat st;
            if (fstatat(dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0)
                type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_LNK;
        }
        if (type == DT_DIR) kind = Kind::Folder;
        if (type == DT_REG) kind = Kind::File;
        if (kind != Kind::Other) seen(QFile::decodeName(e->d_name), kind);
    }
    closedir(dir);
}

bool pseudo(const QString& path) {
    static const QStringList kinds = {"/proc", "/sys", "/dev", "/run"};
    return kinds.contains(path);
}

void sortNames(QStringList& names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

} // namespace

QStringList PosixFolderLister::subfolders(const QString& folder) {
    QStringList out;
    readFolder(folder, [&](const QString& name, Kind kind) {
        if (kind != Kind::Folder) return;
        QString path = childPath(folder, name);
        if (!pseudo(path)) out << path;
    });
    sortNames(out);
    return out;
}

QStringList PosixFolderLister::files(const QString& folder, const QStringList& masks) {
    QStringList out;
    readFolder(folder, [&](const QString& name, Kind kind) {
        if (kind == Kind::File && matches_(name, masks)) out << name;
    });
    sortNames(out);
    return out;
}

} // namespace xj
