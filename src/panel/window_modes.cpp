#include "panel/window_modes.h"

#include "core/form2.h"
#include "core/text_file.h"
#include "player/form1.h"

namespace xj {

bool WindowModes::menuBarShown() const {
    return f_.mnuwen.Visible;
}

void WindowModes::toggleMenuBar() {
    for (Menu* m : f_.menuBar())
        m->Visible = !m->Visible;
    f_.MNUYINCANG.Enabled = !menuBarShown();
    f_.setHeight(f_.Height() + (menuBarShown() ? MenuBarHeight : -MenuBarHeight));
}

void WindowModes::showMenuBar() {
    if (menuBarShown()) return;
    toggleMenuBar();
    f_.MNUYINCANG.Enabled = false;
}

void WindowModes::toggleToolArea() {
    // Each flips by itself: they move together only because they start together hidden.
    for (Control* c : std::initializer_list<Control*>{
             &f_.Command2, &f_.Command4, &f_.Command5, &f_.Command15, &f_.Command20, &f_.Command30,
             &f_.Command27, &f_.Command28, &f_.Command29, &f_.HScroll1})
        c->Visible = !c->Visible;
}

void WindowModes::togglePlayerWindow() {
    Form1& player = f_.form1();
    player.Show();
    if (player.windowState() == WindowState::Minimized) {
        player.setWindowState(WindowState::Normal);
        player.Visible = true;
    } else {
        player.setWindowState(WindowState::Minimized);
        player.Visible = false;
    }
}

void WindowModes::minimiseAll() {
    Form1& player = f_.form1();
    player.setWindowState(WindowState::Minimized);
    player.Visible = false;
    f_.setWindowState(WindowState::Minimized);
}

void WindowModes::toggleFlashing() {
    f_.MNUSANSHUO.Checked = !f_.MNUSANSHUO.Checked;
    f_.sans = !isTrue(f_.sans);
}

void WindowModes::openHelp() {
    // An installed program's folder holds only the user's files; the readme ships elsewhere.
    f_.platform.shell.open(
        textfile::readPath(f_.platform.programFolder, f_.platform.sharedFolder, "readme.txt"));
}

} // namespace xj
