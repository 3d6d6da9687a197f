#include "playlist/dropped_files.h"

#include "core/form2.h"
#include "form/failure.h"
#include "form/paths.h"
#include "playlist/media_types.h"

#include <deque>

namespace xj {

namespace {
// The types the folder browser offers for media and pictures.
QStringList droppedFolderMasks() {
    QStringList out;
    for (const char* type : {"星鲸媒体文件", "星鲸图片文件"})
        out << mediatypes::masks(mediatypes::patternFor(QString::fromUtf8(type), {}));
    return out;
}
} // namespace

bool DroppedFiles::isFolder(const QString& path) {
    // Only a folder can be listed; a file fails to open as one.
    try {
        f_.platform.folders.subfolders(path);
        return true;
    } catch (const Failure&) {
        return false;
    }
}

QStringList DroppedFiles::filesUnder(const QString& top, const QStringList& masks) {
    FolderLister& lister = f_.platform.folders;
    QStringList found;
    std::deque<QString> queue{top};
    while (!queue.empty()) {
        const QString folder = queue.front();
        queue.pop_front();
        try {
            for (const QString& name : lister.files(folder, masks))
                found << childPath(folder, name);
            for (const QString& sub : lister.subfolders(folder))
                queue.push_back(sub);
        } catch (const Failure&) {
            // A folder this user may not read is passed over.
        }
    }
    return found;
}

void DroppedFiles::dropOnList(const QStringList& paths) {
    const QStringList masks = droppedFolderMasks();
    QStringList added;
    for (const QString& path : paths) {
        if (isFolder(path))
            added << filesUnder(path, masks);
        else
            added << path;
    }
    if (added.isEmpty()) return;
    f_.listEditing.append(added);
    f_.wenjianming = true;
}

void DroppedFiles::dropOnPlayer(const QStringList& paths) {
    for (const QString& path : paths) {
        if (isFolder(path)) continue;
        f_.wenjianming = true;
        if (!f_.listEditing.insertAtTop(path)) return;
        // The highlight keeps its number, so the entry it was on is now one place down.
        if (f_.List1.ListIndex() >= 0) f_.List1.setSelected(f_.List1.ListIndex() + 1, false);
        f_.List1.setSelected(0, true);
        f_.List1_DblClick();
        return;
    }
}

} // namespace xj
