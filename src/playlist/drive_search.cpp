#include "playlist/drive_search.h"

#include "core/form2.h"
#include "form/failure.h"
#include "form/paths.h"
#include "form/vb_text.h"
#include "playlist/media_types.h"

#include <deque>

namespace xj {

void DriveSearch::search() {
    const QString driveText = f_.Drive1.Drive;
    const QString drive = driveText.left(2).toUpper();
    const QString type = f_.Combo1.Text;
    MsgResult answer = f_.platform.messages.show(
        QString::fromUtf8("你确定要搜索 ") + drive + QString::fromUtf8(" 盘的 ") + type +
            QString::fromUtf8(" 吗？按确定搜索，按取消退出。"),
        QString::fromUtf8("提示"), MsgButtons::YesNo, MsgIcon::Information);
    if (answer == MsgResult::No) return;

    f_.wenjianming = true;
    const int before = f_.List1.ListCount();
    f_.File1.Pattern = mediatypes::patternFor(type, f_.File1.Pattern);
    const QStringList masks = mediatypes::masks(f_.File1.Pattern);
    FolderLister& lister = f_.platform.folders;
    SearchProgress& progress = f_.platform.progress;

    // Found files join the playlist in one go: whatever ends the walk, they stay.
    QStringList found;
    // One reading of a folder gives its subfolders, queued, and its files, taken.
    std::deque<QString> queue;
    auto showFolder = [&](const QString& folder) {
        f_.Dir1.Path = folder;
        f_.File1.Path = folder;
    };
    auto take = [&](const QString& folder, FolderLister::Listing listing) {
        for (QString& sub : listing.subfolders)
            queue.push_back(std::move(sub));
        for (const QString& name : listing.files)
            found << childPath(folder, name);
        if (!found.isEmpty()) f_.Label2.Caption = found.last();
    };

    progress.begin();
    try {
        const QString root = f_.Drive1.root();
        if (root.isEmpty()) throw Failure(err::DiskNotReady);
        showFolder(root);
        take(root, lister.list(root, masks));
        const bool systemDrive = drive == QStringLiteral("C:");
        int visited = 0;
        for (size_t j = 0; j < queue.size(); ++j) {
            const QString folder = queue[j];
            if (!progress.step(folder, static_cast<int>(found.size()))) break;
            try {
                FolderLister::Listing listing = lister.list(folder, masks);
                showFolder(folder);
                take(folder, std::move(listing));
            } catch (const Failure&) {
                // A folder this user may not read is passed over, as find does.
            }
            if (systemDrive && ++visited >= SystemDriveFolders) break;
        }
    } catch (const Failure& e) {
        progress.end();
        f_.listEditing.append(found);
        if (e.number() == err::DiskNotReady || e.number() == err::DeviceUnavailable)
            f_.Label2.Caption = notReadyText(driveText);
        return;
    }
    progress.end();
    f_.listEditing.append(found);
    f_.Label3.Caption = QString::fromUtf8("找到") + signedText(f_.List1.ListCount() - before) +
                        QString::fromUtf8("首") + type;
    f_.Label2.Caption = signedText(f_.List1.ListCount()) + QString::fromUtf8(" 个文件");
}

} // namespace xj
