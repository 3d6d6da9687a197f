#pragma once

#include <QStringList>

namespace xj {

class Form2;

// Files and folders dropped from a file manager. On the playlist they are added as the folder
// browser adds them; on the player window the first file is played at once.
class DroppedFiles {
public:
    explicit DroppedFiles(Form2& f) : f_(f) {}

    void dropOnList(const QStringList& paths);
    void dropOnPlayer(const QStringList& paths);

private:
    // The files a folder holds, its own first, then its subfolders' breadth-first.
    QStringList filesUnder(const QString& folder, const QStringList& masks);
    bool isFolder(const QString& path);
    Form2& f_;
};

} // namespace xj
