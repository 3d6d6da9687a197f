#pragma once

#include "ports/platform.h"

namespace xj {

// Lists folders with readdir: the drive search walks whole disks, so a folder is read once for
// its subfolders and its files, the entry's type comes from the directory itself, and a file
// name is decoded only when the file is taken. Pseudo-filesystems of the system root are not
// entered.
class PosixFolderLister : public FolderLister {
public:
    // Which file names a list of masks takes is the caller's rule.
    using MaskMatcher = bool (*)(const QString& fileName, const QStringList& masks);
    explicit PosixFolderLister(MaskMatcher matches) : matches_(matches) {}

    QStringList subfolders(const QString& folder) override;
    QStringList files(const QString& folder, const QStringList& masks) override;
    Listing list(const QString& folder, const QStringList& masks) override;

private:
    // Subfolders when `folders`, files when `masks` is given.
    Listing read(const QString& folder, bool folders, const QStringList* masks);

    MaskMatcher matches_;
};

} // namespace xj
