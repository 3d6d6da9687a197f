#include "platform/folder_lister.h"

#include "form/failure.h"
#include "form/paths.h"

#include <QFile>
#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace xj {

namespace {

bool pseudo(const QString& path) {
    static const QStringList kinds = {"/proc", "/sys", "/dev", "/run"};
    return kinds.contains(path);
}

void sortNames(QStringList& names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

bool ascii(const char* bytes, size_t size) {
    return std::all_of(bytes, bytes + size,
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Which file names the masks take. Most searches ask for extensions ("*.mp3"); for those an
// ASCII name is judged on its bytes, where case folding is plain ASCII and the answer is the
// rule's own. Other names and other masks go through the rule.
class NameTest {
public:
    NameTest(const QStringList& masks, PosixFolderLister::MaskMatcher rule)
        : masks_(masks), rule_(rule) {
        for (const QString& mask : masks) {
            const QString ext = mask.mid(1); // ".mp3"
            const bool plain = mask.startsWith(QStringLiteral("*.")) &&
                               !ext.contains(QLatin1Char('*')) && !mask.contains(QLatin1Char('?'));
            const QByteArray bytes = ext.toLower().toLatin1();
            if (!plain || ext.toLower() != QString::fromLatin1(bytes) ||
                !ascii(bytes.constData(), static_cast<size_t>(bytes.size()))) {
                plain_ = false;
                return;
            }
            endings_.push_back(bytes);
        }
    }

    // Whether the file is taken; its name is then in `name`.
    bool takes(const char* raw, QString& name) const {
        const size_t size = std::strlen(raw);
        if (plain_ && ascii(raw, size)) {
            for (const QByteArray& ending : endings_) {
                const auto n = static_cast<size_t>(ending.size());
                if (size > n && qstrnicmp(raw + size - n, ending.constData(), n) == 0) {
                    name = QFile::decodeName(raw);
                    return true;
                }
            }
            return false;
        }
        name = QFile::decodeName(raw);
        return rule_(name, masks_);
    }

private:
    const QStringList& masks_;
    PosixFolderLister::MaskMatcher rule_;
    std::vector<QByteArray> endings_; // lower case, with the dot
    bool plain_ = true;
};

} // namespace

FolderLister::Listing PosixFolderLister::read(const QString& folder, bool folders,
                                              const QStringList* masks) {
    const QByteArray path = QFile::encodeName(folder);
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(path.constData()), closedir);
    if (!dir) throw Failure(err::DiskNotReady, "cannot read " + path.toStdString());
    std::optional<NameTest> test;
    if (masks) test.emplace(*masks, matches_);
    Listing out;
    QString name;
    while (const dirent* e = readdir(dir.get())) {
        // Hidden names, "." and ".." among them, are left out.
        if (e->d_name[0] == '.') continue;
        unsigned char type = e->d_type;
        if (type == DT_UNKNOWN) {
            // Some file systems leave the type out of the directory; links still count as such.
            struct stat st;
            if (fstatat(dirfd(dir.get()), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0)
                type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_LNK;
        }
        if (type == DT_DIR && folders) {
            QString sub = childPath(folder, QFile::decodeName(e->d_name));
            if (!pseudo(sub)) out.subfolders << std::move(sub);
        } else if (type == DT_REG && test && test->takes(e->d_name, name)) {
            out.files << std::move(name);
        }
    }
    sortNames(out.subfolders);
    sortNames(out.files);
    return out;
}

QStringList PosixFolderLister::subfolders(const QString& folder) {
    return read(folder, true, nullptr).subfolders;
}

QStringList PosixFolderLister::files(const QString& folder, const QStringList& masks) {
    return read(folder, false, &masks).files;
}

FolderLister::Listing PosixFolderLister::list(const QString& folder, const QStringList& masks) {
    return read(folder, true, &masks);
}

} // namespace xj
