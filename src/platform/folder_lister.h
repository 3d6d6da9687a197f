#pragma once

#include "ports/platform.h"

namespace xj {

// Lists folders with readdir: the drive search walks whole disks, and one system call a name
// keeps it as quick as find. Pseudo-filesystems of the system root are not entered.
class PosixFolderLister : public FolderLister {
public:
    // Which file names a list of masks takes is the caller's rule.
    using MaskMatcher = bool (*)(const QString& fileName, const QStringList& masks);
    explicit PosixFolderLister(MaskMatcher matches) : matches_(matches) {}

    QStringList subfolders(const QString& folder) override;
    QStringList files(const QString& folder, const QStringList& masks) override;

private:
    MaskMatcher matches_;
};

} // namespace xj
