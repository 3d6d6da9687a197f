#pragma once

#include "platform/platform.h"

namespace xj {

// Lists folders with readdir: the drive search walks whole disks, and one system call a name
// keeps it as quick as find. Pseudo-filesystems of the system root are not entered.
class PosixFolderLister : public FolderLister {
public:
    QStringList subfolders(const QString& folder) override;
    QStringList files(const QString& folder, const QStringList& masks) override;
};

} // namespace xj
