#include "core/startup.h"

#include "core/form2.h"
#include "form/failure.h"
#include "player/form1.h"

#include <cmath>

namespace xj {

QString commandLinePath(const QString& commandLine) {
    if (commandLine.size() <= 3) return {};
    return commandLine.mid(1, commandLine.size() - 2);
}

void Startup::ensureLoaded() {
    if (!f_.Loaded()) load();
}

void Startup::initialize() {
    // A save cut off by a killed run leaves its staged files beside the ones it was writing.
    textfile::removeUnfinishedSave(f_.playlistFile.path());
    textfile::removeUnfinishedSave(f_.xpOption.path());
    // Only the opening of the playlist file comes before the panel's load.
    const PlaylistFile::Contents contents = f_.playlistFile.open();
    try {
        ensureLoaded();
        if (f_.ended()) return;
        f_.playlistFile.fill(contents);
        f_.xpOption.read();
        f_.listEditing.showCount();
    } catch (const Failure&) {
        if (f_.ended()) return;
        f_.xpOption.askFirstRun();
    }
}

void Startup::pictureMenus() {
    struct Placed {
        int menu, item;
        const Image& picture;
    };
    const Placed table[] = {{0, 0, f_.imOpen},  {0, 1, f_.Image1}, {0, 3, f_.imSave},
                            {0, 5, f_.Image2},  {1, 0, f_.Image4}, {1, 6, f_.Image6},
                            {1, 15, f_.Image5}, {2, 2, f_.Image3}, {3, 0, f_.Image7}};
    std::vector<Menu*> bar = f_.menuBar();
    for (const Placed& p : table) {
        Menu* item = bar.at(p.menu)->items.at(p.item);
        item->Picture = p.picture.Name;
    }
}

void Startup::load() {
    f_.setLoaded(true);
    f_.windowModes.showMenuBar();
    try {
        pictureMenus();
        if (f_.platform.instance.anotherRunning()) {
            const QString path = commandLinePath(f_.platform.commandLine);
            if (!path.isEmpty()) f_.platform.instance.handOver(path);
            f_.platform.messages.show(QString::fromUtf8("星鲸超级声海已经运行了！"),
                                      QString::fromUtf8("提示"), MsgButtons::Ok, MsgIcon::None);
            f_.endProgram();
            return;
        }
        // The starting size is the panel's without its menu bar; the bar shown by the first
        // step takes its allowance on top, as every later showing of it does.
        f_.resize(StartWidth,
                  StartHeight + (f_.windowModes.menuBarShown() ? WindowModes::MenuBarHeight : 0));
        f_.List1.Height = StartListHeight;
        if (f_.fixedheight == 0) f_.fixedheight = FixedHeight;
        f_.speakerVolume.open();
        openCommandLineFile();
    } catch (const Failure&) {
        // A failing step ends the load silently.
    }
}

void Startup::openCommandLineFile() {
    const QString path = commandLinePath(f_.platform.commandLine);
    if (path.isEmpty()) return;
    f_.Caption = path;
    f_.wenjianming = true;
    Form1& player = f_.form1();
    player.showIfEnabled();
    player.MediaPlayer1.setFileName(path);
    if (player.windowState() != WindowState::Normal) return;
    MediaPlayer& mp = player.MediaPlayer1;
    mp.Width = f_.Width();
    player.setWidth(mp.Width);
    if (static_cast<double>(mp.Height) / mp.Width > 0.92)
        mp.Height = static_cast<int>(std::lround(mp.Width * 0.92));
    // The XP option is read only later, so the plain allowance holds here.
    player.setHeight(mp.Height + 375);
    player.Top = f_.Top - player.Height();
    player.Left = f_.Left;
}

void Startup::unload() {
    // Playback ends with the player window; no timer may start it again behind the question,
    // nor after a save that failed and kept the program running.
    f_.setUnloading(true);
    f_.Timer1.setEnabled(false);
    f_.Form1_Unload();
    if (!f_.wenjianming) {
        f_.endProgram();
        return;
    }
    MsgResult answer = f_.platform.messages.show(
        QString::fromUtf8("您要保存改动吗？确定保存，  按取消，将不保存改动。"),
        QString::fromUtf8("星鲸超级声海提示"), MsgButtons::YesNo, MsgIcon::Information);
    if (answer == MsgResult::Yes && !f_.playlistFile.save()) {
        f_.setUnloading(false);
        return;
    }
    f_.endProgram();
}

} // namespace xj
