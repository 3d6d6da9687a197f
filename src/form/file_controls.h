#pragma once

#include "form/control.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace xj {

// A drive as the drive lists show it: a text that starts with a letter and a colon, and the
// folder it stands for.
struct DriveInfo {
    QString text;
    QString root; // ends with a separator
};

// The drive list: the drives and the current one's text.
class DriveListBox : public Control {
public:
    using Control::Control;
    std::vector<DriveInfo> drives;
    QString Drive;
    // The folder the current drive stands for; empty when it is not in the list.
    QString root() const {
        for (const DriveInfo& d : drives)
            if (d.text == Drive) return d.root;
        return {};
    }
    // Makes current the drive whose folder holds `folder` most closely (the first of equals);
    // none holding it leaves the current drive as it is.
    void chooseDriveOf(const QString& folder) {
        const DriveInfo* best = nullptr;
        for (const DriveInfo& d : drives)
            if (folder.startsWith(d.root) && (!best || d.root.size() > best->root.size()))
                best = &d;
        if (best) Drive = best->text;
    }
};

// The directory list: one folder and, as listed, its immediate subfolders.
class DirListBox : public Control {
public:
    using Control::Control;
    QString Path;
    QStringList subfolders;
};

// The file list: the names of one folder's files that match Pattern (";"-separated masks).
class FileListBox : public Control {
public:
    using Control::Control;
    QString Path;
    QString Pattern = QStringLiteral("*.*");
    QStringList names;
};

} // namespace xj
