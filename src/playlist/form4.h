#pragma once

#include "form/control.h"
#include "form/file_controls.h"
#include "form/list_box.h"
#include "form/window.h"

#include <vector>

namespace xj {

class Form2;

// The folder browser: walk to one folder, preview the files of a type, add them all to the
// playlist. The panel stays disabled while it is open.
class Form4 : public Window {
public:
    explicit Form4(Form2& panel);

    DriveListBox Drive1{"Drive1", 120, 120, 2655, 315};
    DirListBox Dir1{"Dir1", 120, 480, 2655, 2430};
    FileListBox File1{"File1", 2880, 480, 2655, 2430};
    ComboBox Combo1{"Combo1", 2880, 120, 1815, 315};
    CommandButton Command2{"Command2", 4800, 120, 360, 315};
    CommandButton Command3{"Command3", 5220, 120, 360, 315};
    Label Label1{"Label1", 2880, 3000, 2655, 255};
    Label Label2{"Label2", 120, 3000, 2655, 255};
    Control Frame1{"Frame1", 0, 0, 5700, 3360};

    void Form_Load();
    void Form_Unload();
    void Command3_Click();
    void Drive1_Change();
    void Dir1_Change();
    // The type box's text was typed, or an item was chosen from its list.
    void Combo1_Change();
    void Combo1_Click();
    void Command2_Click();

    // Moves the folder list to another folder (a click in it), which raises Dir1_Change.
    void setFolder(const QString& folder);

    // Every control, back to front: the frame under the rest.
    std::vector<Control*> controls();

private:
    void bindControls();
    void list();
    Form2& panel_;
};

} // namespace xj
