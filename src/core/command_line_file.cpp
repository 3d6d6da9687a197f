#include "core/command_line_file.h"

#include "core/form2.h"
#include "player/form1.h"

namespace xj {

NamedFile takeNamedFile(Form2& f, const QString& path) {
    // The entry highlighted before loses its mark: one entry stands highlighted.
    const int before = f.List1.ListIndex() < f.List1.ListCount() ? f.List1.ListIndex() : -1;
    const QString wanted = path.toUpper();
    for (int i = 0; i < f.List1.ListCount(); ++i) {
        if (f.List1.List(i).toUpper() != wanted) continue;
        if (before >= 0 && before != i) f.List1.setSelected(before, false);
        f.List1.setSelected(i, true);
        return NamedFile::Found;
    }
    if (!f.listEditing.insertAtTop(path)) return NamedFile::ListFull;
    // The highlight keeps its number, so the entry it was on is now one place down.
    if (before >= 0) f.List1.setSelected(before + 1, false);
    f.List1.setSelected(0, true);
    return NamedFile::Added;
}

void CommandLineFile::tick() {
    f_.Timer4.setEnabled(false);
    const QString named = f_.Caption;
    if (named == Form2::DesignCaption()) return;
    const NamedFile taken = takeNamedFile(f_, named);
    if (taken == NamedFile::ListFull) return;
    if (taken == NamedFile::Found) f_.wenjianming = false;
    Form1& player = f_.form1();
    // Audio has been playing since start-up: it goes on without a restart.
    if (player.MediaPlayer1.isAudio()) {
        f_.Timer1.setEnabled(true);
        return;
    }
    f_.List1_DblClick();
    f_.form1().Top = 100;
}

} // namespace xj
