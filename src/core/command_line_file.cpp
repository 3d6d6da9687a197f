#include "core/command_line_file.h"

#include "core/form2.h"
#include "player/form1.h"

namespace xj {

void CommandLineFile::tick() {
    f_.Timer4.setEnabled(false);
    const QString named = f_.Caption;
    if (named == Form2::DesignCaption()) return;
    const QString wanted = named.toUpper();
    int found = -1;
    for (int i = 0; i < f_.List1.ListCount() && found < 0; ++i)
        if (f_.List1.List(i).toUpper() == wanted) found = i;
    if (found >= 0) {
        f_.wenjianming = false;
        f_.List1.setSelected(found, true);
    } else {
        if (!f_.listEditing.insertAtTop(named)) return;
        f_.List1.setSelected(0, true);
    }
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
