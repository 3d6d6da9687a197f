#pragma once

#include "form/control.h"
#include "form/file_controls.h"
#include "form/list_box.h"
#include "form/timer.h"

#include <vector>

namespace xj {

// The panel's controls with their design values: names, captions, tooltips, geometry in
// twips, visibility, and the four timers.
struct PanelControls {
    PanelControls();

    ListBox List1{"List1", 35, 0, 4860, 1110};

    CommandButton Command17{"Command17", 4460, 0, 135, 180};
    CommandButton Command19{"Command19", 4600, 0, 135, 180};
    CommandButton Command22{"Command22", 2560, 870, 375, 255, false};
    CommandButton Command8{"Command8", 2560, 1110, 375, 255, false};

    DriveListBox Drive1{"Drive1", 35, 1350, 825, 300};
    ComboBox Combo1{"Combo1", 875, 1350, 1335, 300};
    CommandButton Command1{"Command1", 2195, 1360, 375, 285};
    CommandButton Command10{"Command10", 2560, 1360, 375, 285};
    CommandButton Command11{"Command11", 2935, 1360, 375, 285};
    Label Label6{"Label6", 3360, 1360, 255, 255};
    CommandButton Command24{"Command24", 3680, 1360, 255, 285};
    CommandButton Command13{"Command13", 3910, 1360, 255, 285};
    CommandButton Command12{"Command12", 4170, 1360, 255, 285};
    CommandButton Command14{"Command14", 4420, 1360, 255, 285};
    CommandButton Command25{"Command25", 4680, 1360, 255, 285};

    // Tool area, hidden at start.
    CommandButton Command4{"Command4", 0, 1680, 495, 255, false};
    CommandButton Command2{"Command2", 480, 1680, 495, 255, false};
    CommandButton Command5{"Command5", 1080, 1680, 495, 255, false};
    CommandButton Command15{"Command15", 1560, 1680, 495, 255, false};
    CommandButton Command20{"Command20", 2160, 1680, 255, 255, false};
    CommandButton Command30{"Command30", 2520, 1680, 255, 255, false};
    CommandButton Command29{"Command29", 2760, 1680, 255, 255, false};
    CommandButton Command28{"Command28", 3000, 1680, 255, 255, false};
    CommandButton Command27{"Command27", 3240, 1680, 255, 255, false};
    HScrollBar HScroll1{"HScroll1", 3480, 1680, 1455, 255, false};

    // Status labels, under the tool area.
    Label Label3{"Label3", 0, 1680, 1335, 255};
    Label Label2{"Label2", 1320, 1680, 1935, 255};
    Label Label4{"Label4", 3240, 1680, 435, 255};
    Label Label5{"Label5", 3650, 1680, 435, 255};
    Label Label1{"Label1", 4080, 1680, 855, 255};

    // Never shown.
    CommandButton Command26{"Command26", 2520, 120, 1215, 210, false};
    CommandButton Command3{"Command3", 6120, 3000, 735, 615, false};
    CommandButton Command7{"Command7", 120, 7200, 1095, 495, false};
    ListBox SubDir{"SubDir", 6120, 0, 1215, 1035, false};
    DirListBox Dir1{"Dir1", 6120, 1200, 1215, 1035, false};
    FileListBox File1{"File1", 6120, 2400, 1215, 1035, false};
    Image imOpen{"imOpen", 0, 2520, 240, 240, false};
    Image imSave{"imSave", 240, 2520, 240, 240, false};
    Image Image1{"Image1", 480, 2520, 240, 240, false};
    Image Image2{"Image2", 720, 2520, 240, 240, false};
    Image Image3{"Image3", 960, 2520, 240, 240, false};
    Image Image4{"Image4", 1200, 2520, 240, 240, false};
    Image Image5{"Image5", 1440, 2520, 240, 240, false};
    Image Image6{"Image6", 1680, 2520, 240, 240, false};
    Image Image7{"Image7", 1920, 2520, 240, 240, false};
    Control Picture1{"Picture1", 480, 4200, 450, 150, false};
    Control CommonDialog1{"CommonDialog1", 0, 0, 0, 0, false};

    Timer Timer1{"Timer1", 2000, false}; // status
    Timer Timer2{"Timer2", 1000, true};  // slideshow and time display
    Timer Timer3{"Timer3", 60, false};   // reverse play
    Timer Timer4{"Timer4", 3000, true};  // command-line file, once

    // Every control, in the order the view creates its widgets.
    std::vector<Control*> controls();
    std::vector<Timer*> panelTimers() { return {&Timer1, &Timer2, &Timer3, &Timer4}; }
};

} // namespace xj
