#include "core/form2.h"

#include "form/events.h"
#include "player/form1.h"
#include "playlist/media_types.h"

namespace xj {

Form2::Form2(Platform& p) : Window("Form2"), platform(p) {
    Caption = DesignCaption();
    Left = DesignLeft;
    Top = DesignTop;
    setDesignSize(Startup::StartWidth, Startup::StartHeight);
    platform.media.setListener(this);
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
    Timer4.onTimer = [this] { Timer4_Timer(); };
    Drive1.drives = platform.drives.list();
    Drive1.chooseDriveOf(platform.drives.currentFolder());
    bindMenus();
    bindControls();
}

Form2::~Form2() {
    platform.media.setListener(nullptr);
}

Form1& Form2::form1() {
    if (!form1_) {
        form1_ = std::make_unique<Form1>(*this, platform.media);
        form1_->Form_Load();
        // Only the very first creation puts the window above the panel.
        if (!form1Created_) {
            form1Created_ = true;
            form1_->Top = form1_->Top > 0 ? Top - form1_->Height() : 300;
        }
    }
    return *form1_;
}

void Form2::Form1_Unload() {
    if (!form1_) return;
    form1_.reset();
    platform.media.close();
}

void Form2::start() {
    Form_Initialize();
    if (ended_) return;
    Show();
    Form_Resize();
}

void Form2::Form_Initialize() {
    startup.initialize();
}
void Form2::Form_Load() {
    startup.load();
}
void Form2::Form_Unload() {
    startup.unload();
}
void Form2::Form_Resize() {
    layout.apply();
}

void Form2::Command26_Click() {
    windowModes.toggleMenuBar();
}
void Form2::MNUYINCANG_Click() {
    windowModes.showMenuBar();
}
void Form2::Command11_Click() {
    windowModes.toggleToolArea();
}
void Form2::Command17_Click() {
    windowModes.togglePlayerWindow();
}
void Form2::Command19_Click() {
    windowModes.minimiseAll();
}
void Form2::Command20_Click() {
    windowModes.openHelp();
}
void Form2::MNUSANSHUO_Click() {
    windowModes.toggleFlashing();
}
void Form2::mnuyouxp_Click() {
    xpOption.toggle();
}

void Form2::mnuwengjianbaochun_Click() {
    playlistFile.store();
    wenjianming = false;
}

void Form2::mnuTui_Click() {
    endProgram();
}

void Form2::Label1_Click() {
    windowModes.toggleMenuBar();
    shijianmos = !shijianmos;
}
void Form2::Label2_Click() {
    windowModes.toggleMenuBar();
}
void Form2::Label4_Click() {
    windowModes.toggleMenuBar();
}
void Form2::Label5_Click() {
    windowModes.toggleMenuBar();
}

void Form2::List1_MouseDown(int button, int, int, int) {
    if (button == 2 && onPopupMenu) onPopupMenu(MNUBO);
}

void Form2::List1_Click() {
    listEditing.highlightFeedback();
}

void Form2::List1_DblClick() {
    playEntry.playSelected();
}

void Form2::List1_KeyDown(int keyCode) {
    switch (keyCode) {
    case 13: // Enter
        playEntry.playHighlighted();
        break;
    case 190: // . >
        transport.stepForward();
        break;
    case 188: // , <
        transport.stepBack();
        break;
    case 187: // = +
        speakerVolume.keyLouder();
        break;
    case 189: // - _
        speakerVolume.keySofter();
        break;
    default:
        break;
    }
}

void Form2::List1_GotFocus() {
    Command22.Visible = false;
    Command8.Visible = false;
}

void Form2::Command4_Click() {
    listEditing.deleteSelected();
}
void Form2::Command2_Click() {
    listEditing.clear();
}
void Form2::Command5_Click() {
    playlistFile.store();
}
void Form2::Command15_Click() {
    playlistFile.load();
}

void Form2::Command10_Click() {
    // Each flips by itself.
    Command22.Visible = !Command22.Visible;
    Command8.Visible = !Command8.Visible;
}

void Form2::Command22_Click() {
    openSingleFile();
}
void Form2::Command8_Click() {
    openFolderBrowser();
}
void Form2::Command1_Click() {
    driveSearch.search();
}

void Form2::Combo1_KeyDown(int keyCode) {
    if (keyCode == 13) driveSearch.search();
}

void Form2::openSingleFile() {
    Command22.Visible = false;
    Command8.Visible = false;
    const QString path = platform.fileDialog.showOpen(mediatypes::dialogFilter());
    if (path.isEmpty()) return;
    wenjianming = true;
    if (!listEditing.insertAtTop(path)) return;
    // The highlight keeps its number, so the entry it was on is now one place down.
    List1.setSelected(List1.ListIndex() + 1, false);
    List1.setSelected(0, true);
    playEntry.playHighlighted();
}

void Form2::openFolderBrowser() {
    Command22.Visible = false;
    Command8.Visible = false;
    if (!form4_) {
        form4_ = std::make_unique<Form4>(*this);
        form4_->Form_Load();
    }
    form4_->Show();
}

void Form2::Form4_Unload() {
    if (!form4_) return;
    form4_->Form_Unload();
    form4_.reset();
}

void Form2::Command13_Click() {
    transport.play();
}
void Form2::Command12_Click() {
    transport.pause();
}
void Form2::Command14_Click() {
    transport.stop();
}
void Form2::Command24_Click() {
    navigation.previous();
}
void Form2::Command25_Click() {
    navigation.next();
}
void Form2::Command24_MouseUp() {
    Timer1.setEnabled(true);
}
void Form2::Command25_MouseUp() {
    Timer1.setEnabled(true);
}
void Form2::Label6_Click() {
    navigation.toggleLoopMode();
}
void Form2::Timer1_Timer() {
    statusTimer.tick();
}
void Form2::Timer2_Timer() {
    slideshow.tick();
}
void Form2::Timer3_Timer() {
    speed.reverseTick();
}
void Form2::Timer4_Timer() {
    commandLineFile.tick();
}
void Form2::Command27_Click() {
    speed.fasterButton();
}
void Form2::Command28_Click() {
    speed.normalButton();
}
void Form2::Command29_Click() {
    speed.slowerButton();
}
void Form2::Command30_Click() {
    speed.toggleReverse();
}
void Form2::HScroll1_Change() {
    speakerVolume.sliderMoved();
}
void Form2::MNUYINLIANGJIA_Click() {
    speakerVolume.louder();
}
void Form2::MNUYINLIANGJIAN_Click() {
    speakerVolume.softer();
}
void Form2::MNUHUANDENG_Click() {
    slideshow.fastCommand();
}
void Form2::MNUFANGHUANDENGMAN_Click() {
    slideshow.slowCommand();
}
void Form2::MNUMIANBAN_Click() {
    mediaInfo.toggle();
}

std::vector<Timer*> Form2::timers() {
    if (unloading_) return {};
    std::vector<Timer*> all = panelTimers();
    if (form1_)
        for (Timer* t : form1_->timers())
            all.push_back(t);
    return all;
}

void Form2::endProgram() {
    if (ended_) return;
    ended_ = true;
    platform.exit.end();
}

void Form2::durationKnown() {
    runHandler([this] {
        if (form1_) form1_->MediaPlayer1_DurationKnown();
    });
    if (onChanged) onChanged();
}

void Form2::detailsKnown() {
    // Nothing in the model changes; the information display shows what is now known.
    if (onChanged) onChanged();
}

void Form2::seeked(double seconds) {
    if (onSeeked) onSeeked(seconds);
}

void Form2::playbackEnded() {
    // The status timer's own tick, at once, so the next entry follows without waiting for the
    // poll; the poll stays for what the engine does not report.
    if (unloading_ || !Timer1.Enabled() || Timer1.ticking()) return;
    // A poll right behind this tick would find the new entry still at 0 and skip it.
    Timer1.restart();
    runHandler([this] { Timer1.fire(); });
    if (onChanged) onChanged();
}

void Form2::bindMenus() {
    MNUDADAN.onClick = [this] { Command22_Click(); };
    MNUDAMU.onClick = [this] { Command8_Click(); };
    MNUCA.onClick = [this] { Command1_Click(); };
    MNUDIAO.onClick = [this] { Command15_Click(); };
    MNUXUAN.onClick = [this] { Command4_Click(); };
    MNUXUAN2.onClick = [this] { Command4_Click(); };
    mnusancong.onClick = [this] { listEditing.removeDuplicates(); };
    mnusancong2.onClick = [this] { mnusancong.Click(); };
    MNUQUAN.onClick = [this] { Command2_Click(); };
    MNUQUAN2.onClick = [this] { Command2_Click(); };
    MNU1BIANDA.onClick = [this] { listEditing.fontLarger(); };
    MNU1JIANXIAO.onClick = [this] { listEditing.fontSmaller(); };
    MNU1MOREN.onClick = [this] { listEditing.fontDefault(); };
    MNUBOFANG.onClick = [this] { transport.menuPlay(); };
    MNUBOFANG2.onClick = [this] { MNUBOFANG.Click(); };
    MNUZAN.onClick = [this] { transport.menuPause(); };
    MNUZAN2.onClick = [this] { MNUZAN.Click(); };
    MNUSHANG.onClick = [this] { navigation.menuPrevious(); };
    MNUSHANG2.onClick = [this] { MNUSHANG.Click(); };
    MNUXIA.onClick = [this] { navigation.menuNext(); };
    MNUXIA2.onClick = [this] { MNUXIA.Click(); };
    MNUQIE.onClick = [this] { Label6_Click(); };
    MNUQIE2.onClick = [this] { Label6_Click(); };
    MNUSUIJI.onClick = [this] { navigation.toggleRandomMode(); };
    MNUSUIJI2.onClick = [this] { navigation.toggleRandomMode(); };
    MNUZHENG.onClick = [this] { speed.menuNormal(); };
    MNUZHENG2.onClick = [this] { MNUZHENG.Click(); };
    MNUJIAKUAI1.onClick = [this] { speed.menuFaster(0.1); };
    MNUJIAKUAI1A2.onClick = [this] { MNUJIAKUAI1.Click(); };
    MNUJIAKUAI2.onClick = [this] { speed.menuFaster(0.2); };
    MNUJIAKUAI2A2.onClick = [this] { MNUJIAKUAI2.Click(); };
    MNUJIAN1.onClick = [this] { speed.menuSlower(); };
    MNUJIAN1A2.onClick = [this] { MNUJIAN1.Click(); };
    // Twenty per cent in name only: these slow down as the button does.
    MNUJIAN2.onClick = [this] { Command29_Click(); };
    MNUJIAN2A2.onClick = [this] { Command29_Click(); };
    MNUDAO.onClick = [this] { Command30_Click(); };
    MNUDAO2.onClick = [this] { Command30_Click(); };
    MNUYINLIANGJIA.onClick = [this] { MNUYINLIANGJIA_Click(); };
    MNUYINLIANGJIAN.onClick = [this] { MNUYINLIANGJIAN_Click(); };
    MNUHUANDENG.onClick = [this] { MNUHUANDENG_Click(); };
    MNUFANGHUANDENGMAN.onClick = [this] { MNUFANGHUANDENGMAN_Click(); };
    MNUMIANBAN.onClick = [this] { MNUMIANBAN_Click(); };
    mnuwengjianbaochun.onClick = [this] { mnuwengjianbaochun_Click(); };
    mnuTui.onClick = [this] { mnuTui_Click(); };
    MNUYINCANG2.onClick = [this] { Command26_Click(); };
    MNUYINCANG.onClick = [this] { MNUYINCANG_Click(); };
    MNUMULUBIAO.onClick = [this] { Command11_Click(); };
    MNUBOFANGKOU1.onClick = [this] { Command17_Click(); };
    MNUZHUIXIAOHUA.onClick = [this] { Command19_Click(); };
    MNUBANG2.onClick = [this] { Command20_Click(); };
    mnujie.onClick = [this] { Command20_Click(); };
    MNUSANSHUO.onClick = [this] { MNUSANSHUO_Click(); };
    mnuyouxp.onClick = [this] { mnuyouxp_Click(); };
}

void Form2::bindControls() {
    List1.bind({.onClick = [this] { List1_Click(); },
                .onDblClick = [this] { List1_DblClick(); },
                .onGotFocus = [this] { List1_GotFocus(); },
                .onMouseDown = [this](int button, int shift, int x,
                                      int y) { List1_MouseDown(button, shift, x, y); },
                .onKeyDown = [this](int keyCode) { List1_KeyDown(keyCode); },
                .onDrop = [this](const QStringList& paths) { droppedFiles.dropOnList(paths); }});
    Command1.bind({.onClick = [this] { Command1_Click(); }});
    Command2.bind({.onClick = [this] { Command2_Click(); }});
    Command4.bind({.onClick = [this] { Command4_Click(); }});
    Command5.bind({.onClick = [this] { Command5_Click(); }});
    Command8.bind({.onClick = [this] { Command8_Click(); }});
    Command10.bind({.onClick = [this] { Command10_Click(); }});
    Command11.bind({.onClick = [this] { Command11_Click(); }});
    Command12.bind({.onClick = [this] { Command12_Click(); }});
    Command13.bind({.onClick = [this] { Command13_Click(); }});
    Command14.bind({.onClick = [this] { Command14_Click(); }});
    Command15.bind({.onClick = [this] { Command15_Click(); }});
    Command17.bind({.onClick = [this] { Command17_Click(); }});
    Command19.bind({.onClick = [this] { Command19_Click(); }});
    Command20.bind({.onClick = [this] { Command20_Click(); }});
    Command22.bind({.onClick = [this] { Command22_Click(); }});
    Command24.bind({.onClick = [this] { Command24_Click(); },
                    .onMouseUp = [this](int, int, int, int) { Command24_MouseUp(); }});
    Command25.bind({.onClick = [this] { Command25_Click(); },
                    .onMouseUp = [this](int, int, int, int) { Command25_MouseUp(); }});
    Command26.bind({.onClick = [this] { Command26_Click(); }});
    Combo1.bind({.onKeyDown = [this](int keyCode) { Combo1_KeyDown(keyCode); }});
    Label1.bind({.onClick = [this] { Label1_Click(); }});
    Label2.bind({.onClick = [this] { Label2_Click(); }});
    Label4.bind({.onClick = [this] { Label4_Click(); }});
    Label5.bind({.onClick = [this] { Label5_Click(); }});
    Label6.bind({.onClick = [this] { Label6_Click(); }});
    // Shown with no handler: the search status; the drive box, whose choice the search reads.
    Label3.bind({});
    Drive1.bind({});
    Command27.bind({.onClick = [this] { Command27_Click(); }});
    Command28.bind({.onClick = [this] { Command28_Click(); }});
    Command29.bind({.onClick = [this] { Command29_Click(); }});
    Command30.bind({.onClick = [this] { Command30_Click(); }});
    HScroll1.bind({.onChange = [this] { HScroll1_Change(); }});
}

} // namespace xj
