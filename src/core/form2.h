#pragma once

#include "core/command_line_file.h"
#include "core/handed_over_file.h"
#include "core/playlist_file.h"
#include "core/startup.h"
#include "form/window.h"
#include "panel/cls_volume.h"
#include "panel/layout.h"
#include "panel/media_info.h"
#include "panel/menu_tree.h"
#include "panel/panel_controls.h"
#include "panel/slideshow.h"
#include "panel/speaker_volume.h"
#include "panel/window_modes.h"
#include "panel/xp_option.h"
#include "playback/navigation.h"
#include "playback/speed.h"
#include "player/play_entry.h"
#include "player/play_failures.h"
#include "player/status_timer.h"
#include "player/transport.h"
#include "playlist/drive_search.h"
#include "playlist/dropped_files.h"
#include "playlist/form4.h"
#include "playlist/list_editing.h"
#include "ports/platform.h"

#include <QtGlobal>
#include <functional>
#include <memory>
#include <optional>

namespace xj {

class Form1;

// A flag that starts Empty; Empty counts as False.
using Flag = std::optional<bool>;
inline bool isTrue(const Flag& f) {
    return f.value_or(false);
}

// The panel: the playlist, the buttons, the menus and the state every part of the program
// shares. It routes each event to the part that owns the action.
class Form2 : public Window, public PanelControls, public PanelMenus, private MediaListener {
public:
    static constexpr int DesignLeft = 2880;
    static constexpr int DesignTop = 6000;
    // The caption the panel is designed with: no file was named on the command line.
    static QString DesignCaption() { return QString::fromUtf8("星鲸超级声海目录"); }

    explicit Form2(Platform& platform);
    ~Form2() override;

    Platform& platform;

    // Shared state.
    qint16 listbian = 0;      // the entry playing or played last
    Flag mosi;                // single-entry loop
    Flag sans;                // title-bar flashing
    Flag XUNHUAN;             // random play
    bool shijianmos = false;  // time display shows the clock
    bool wenjianming = false; // playlist changed and not saved
    int fixedheight = 0;      // outer height not given to the list
    clsVolume mixer{platform.mixer, platform.messages};

    // The player window; touching it creates it, hidden.
    Form1& form1();
    Form1* form1IfLoaded() { return form1_.get(); }
    // The folder browser while it is open.
    Form4* form4IfLoaded() { return form4_.get(); }

    // Start-up: initialisation, whose first touch of the panel runs its load, then show.
    void start();
    void Form_Initialize();
    void Form_Load();
    // The user closes the panel.
    void Form_Unload();
    void Form_Resize() override;
    // The user closes the player window.
    void Form1_Unload();

    // Handlers of the panel's controls and menus.
    void Command26_Click();
    void MNUYINCANG_Click();
    void Command11_Click();
    void Command17_Click();
    void Command19_Click();
    void Command20_Click();
    void MNUSANSHUO_Click();
    void mnuyouxp_Click();
    void mnuwengjianbaochun_Click();
    void mnuTui_Click();
    void Label1_Click();
    void Label2_Click();
    void Label4_Click();
    void Label5_Click();
    void List1_MouseDown(int button, int shift, int x, int y);
    void List1_Click();
    void List1_DblClick();
    void List1_KeyDown(int keyCode);
    void Command13_Click();
    void Command12_Click();
    void Command14_Click();
    void Command24_Click();
    void Command25_Click();
    // A mouse button released over previous or next: the status timer runs again.
    void Command24_MouseUp();
    void Command25_MouseUp();
    void Label6_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Command27_Click();
    void Command28_Click();
    void Command29_Click();
    void Command30_Click();
    void HScroll1_Change();
    void MNUYINLIANGJIA_Click();
    void MNUYINLIANGJIAN_Click();
    void MNUHUANDENG_Click();
    void MNUFANGHUANDENGMAN_Click();
    void MNUMIANBAN_Click();
    void List1_GotFocus();
    void Command4_Click();
    void Command2_Click();
    void Command5_Click();
    void Command15_Click();
    void Command10_Click();
    void Command22_Click();
    void Command8_Click();
    void Command1_Click();
    void Combo1_KeyDown(int keyCode);
    // The folder browser closes (its close button or the window's).
    void Form4_Unload();

    // Every timer of the panel and of the player window while it exists; none while the
    // panel is being unloaded, so nothing starts behind its save question.
    std::vector<Timer*> timers();
    // The unload has begun (or, when the save failed and the program goes on, is over).
    void setUnloading(bool on) { unloading_ = on; }
    bool unloading() const { return unloading_; }

    // Ends the program at once; nothing runs after it.
    void endProgram();
    bool ended() const { return ended_; }

    // The view's hooks: pop up a menu at the pointer; something changed outside a handler.
    std::function<void(Menu&)> onPopupMenu;
    std::function<void()> onChanged;
    // The engine is now playing from a position written (seconds).
    std::function<void(double)> onSeeked;

    PlayFailures playFailures;
    PlaylistFile playlistFile{*this};
    XpOption xpOption{*this};
    WindowModes windowModes{*this};
    PanelLayout layout{*this};
    Startup startup{*this};
    PlayEntry playEntry{*this};
    Transport transport{*this};
    Navigation navigation{*this};
    StatusTimer statusTimer{*this};
    ListEditing listEditing{*this};
    DriveSearch driveSearch{*this};
    Speed speed{*this};
    SpeakerVolume speakerVolume{*this};
    Slideshow slideshow{*this};
    MediaInfo mediaInfo{*this};
    CommandLineFile commandLineFile{*this};
    HandedOverFile handedOverFile{*this};
    DroppedFiles droppedFiles{*this};

private:
    friend class Startup;
    void durationKnown() override;
    void playbackEnded() override;
    void detailsKnown() override;
    void seeked(double seconds) override;
    void bindMenus();
    void bindControls();

    void openSingleFile();
    void openFolderBrowser();

    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form4> form4_;
    bool form1Created_ = false;
    bool ended_ = false;
    bool unloading_ = false;
};

} // namespace xj
