#pragma once

#include "form/control.h"

#include <QString>

namespace xj {

// The drive list: the current drive's display text.
class DriveListBox : public Control {
public:
    using Control::Control;
    QString Drive;
};

// The directory list: one folder, listing its immediate subfolders.
class DirListBox : public Control {
public:
    using Control::Control;
    QString Path;
};

// The file list: the files of one folder that match Pattern (";"-separated masks).
class FileListBox : public Control {
public:
    using Control::Control;
    QString Path;
    QString Pattern = QStringLiteral("*.*");
};

} // namespace xj
