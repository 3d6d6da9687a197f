#include "monkey/monkey.h"

#include "player/form1.h"
#include "playlist/form4.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace xj::test {

namespace {
// Keys as the views report them: Enter, Space, Esc, arrows, Delete, F, letters, . , = -.
constexpr int kKeys[] = {13, 32, 27, 37, 38, 39, 40, 46, 70, 65, 80, 190, 188, 187, 189, 112};

int key(int pick) {
    return kKeys[pick % std::size(kKeys)];
}

QString typeText(int pick, const ComboBox& box) {
    static const char* const typed[] = {"*.mp3", "*.jpg;*.avi", "*.zz", "", "abc", "*.*"};
    if (pick % 3 && !box.items.empty())
        return box.items[static_cast<size_t>(pick) % box.items.size()];
    return QString::fromUtf8(typed[static_cast<size_t>(pick) % std::size(typed)]);
}
} // namespace

void Monkey::step() {
    promise_ = Promise::None;
    saveAnswered_ = false;
    saveRefused_ = false;
    fileReplaced_ = false;
    quitUnderBox_ = false;
    const Before before = snapshot();
    const bool browsing = form_->form4IfLoaded() != nullptr;
    const int roll = below(1000);
    if (roll < 1) {
        forward("close the panel", [this] { form_->Form_Unload(); });
    } else if (roll < 200) {
        passTime();
    } else if (roll < 260) {
        playerEvent();
    } else if (roll < 290) {
        worldEvent();
    } else if (roll < 300) {
        busRequest();
    } else if (browsing && roll < 700) {
        browserEvent();
    } else if (!form_->Enabled || form_->windowState() == WindowState::Minimized) {
        // Nothing reaches a disabled or minimised panel but a restore.
        if (roll < 320)
            forward("restore the panel", [this] {
                form_->userResized(form_->Width(), form_->Height(), WindowState::Normal);
            });
        else
            passTime();
    } else if (roll < 520) {
        panelControl();
    } else if (roll < 720) {
        listEvent();
    } else if (roll < 960) {
        menuItem();
    } else {
        panelWindow();
    }
    check(before);
}

void Monkey::passTime() {
    static const int steps[] = {60, 300, 1000, 2000, 2100, 4000, 9000, 30000};
    const int ms = steps[below(static_cast<int>(std::size(steps)))];
    note(QString::number(number_) + QStringLiteral(": %1 ms pass").arg(ms));
    inTime_ = true;
    time_->advance(ms);
    inTime_ = false;
}

void Monkey::panelControl() {
    std::vector<Control*> reachable;
    for (Control* c : form_->controls())
        if (c->bound() && c->Visible && c->Enabled && !c->NeverShown && c != &form_->List1)
            reachable.push_back(c);
    if (reachable.empty()) return;
    Control* c = reachable[static_cast<size_t>(below(static_cast<int>(reachable.size())))];
    const auto on = c->eventSlots().lock();
    const QString name = c->Name;
    if (c == &form_->HScroll1) {
        const int value =
            form_->HScroll1.Min + below(form_->HScroll1.Max - form_->HScroll1.Min + 1);
        forward(name + QStringLiteral(" to %1").arg(value), [this, value, on] {
            form_->HScroll1.Value = value;
            if (on->onChange) on->onChange();
        });
        return;
    }
    if (c == &form_->Drive1) {
        const auto& drives = form_->Drive1.drives;
        if (drives.empty()) return;
        const QString drive =
            drives[static_cast<size_t>(below(static_cast<int>(drives.size())))].text;
        forward(name + " chooses " + drive, [this, drive] { form_->Drive1.Drive = drive; });
        return;
    }
    if (c == &form_->Combo1) {
        const QString text = typeText(below(60), form_->Combo1);
        const int k = chance(0.5) ? 13 : key(below(60));
        forward(name + " \"" + text + QStringLiteral("\" key %1").arg(k), [this, text, k, on] {
            form_->Combo1.Text = text;
            if (on->onKeyDown) on->onKeyDown(k);
        });
        return;
    }
    if (on->onClick) {
        // A click comes with the button's release; now and then a release alone.
        const bool click = !on->onMouseUp || chance(0.9);
        if (click && c == &form_->Command13) promise_ = Promise::Play;
        if (click && c == &form_->Command12) promise_ = Promise::Pause;
        if (click && c == &form_->Command14) promise_ = Promise::Stop;
        if (click && c == &form_->Command25) promise_ = Promise::Next;
        // A read of the library replaces what the last one kept back.
        if (click && c == &form_->Command15) keptInFile_ = 0;
        forward(name + (click ? " click" : " release"), [on, click] {
            if (click) on->onClick();
            if (on->onMouseUp) on->onMouseUp(1, 0, 100, 100);
        });
        return;
    }
    if (on->onMouseDown) forward(name + " mouse down", [on] { on->onMouseDown(1, 0, 50, 50); });
}

void Monkey::listEvent() {
    ListBox& list = form_->List1;
    const auto on = list.eventSlots().lock();
    const int count = list.ListCount();
    const int row = count ? below(count) : -1;
    switch (below(10)) {
    case 0:
    case 1:
    case 2: {
        if (row < 0) return;
        // A plain click marks one row, Ctrl toggles it, Shift marks the range from the highlight.
        const int how = below(4);
        forward(QStringLiteral("List1 click row %1 (%2)").arg(row).arg(how), [&list, on, row, how] {
            const int from = list.ListIndex();
            if (how == 1) {
                list.setSelected(row, !list.Selected(row));
            } else {
                for (int i = 0; i < list.ListCount(); ++i)
                    if (list.Selected(i)) list.setSelected(i, false);
                if (how == 2 && from >= 0)
                    for (int i = std::min(from, row); i <= std::max(from, row); ++i)
                        list.setSelected(i, true);
                list.setSelected(row, true);
            }
            list.setListIndex(row);
            on->onClick();
        });
        return;
    }
    case 3:
    case 4: {
        if (row < 0) return;
        promise_ = Promise::PlayEntry;
        forward(QStringLiteral("List1 double click row %1").arg(row), [&list, on, row] {
            for (int i = 0; i < list.ListCount(); ++i)
                if (list.Selected(i)) list.setSelected(i, false);
            list.setSelected(row, true);
            list.setListIndex(row);
            on->onClick();
            on->onMouseDown(1, 0, 100, 100);
            on->onDblClick();
        });
        return;
    }
    case 5:
    case 6: {
        const int k = below(3) ? kKeys[below(2) ? 0 : 7 + below(9)] : key(below(60));
        forward(QStringLiteral("List1 key %1").arg(k), [&list, on, k] {
            on->onKeyDown(k);
            // The arrows then move the highlight, which marks the row it lands on.
            if ((k == 38 || k == 40) && list.ListCount() > 0) {
                const int to =
                    std::clamp(list.ListIndex() + (k == 40 ? 1 : -1), 0, list.ListCount() - 1);
                for (int i = 0; i < list.ListCount(); ++i)
                    if (list.Selected(i)) list.setSelected(i, false);
                list.setSelected(to, true);
                list.setListIndex(to);
                on->onClick();
            }
        });
        return;
    }
    case 7:
        forward("List1 right click", [on] { on->onMouseDown(2, 0, 100, 100); });
        return;
    case 8:
        forward("List1 gets the focus", [on] { on->onGotFocus(); });
        return;
    default: {
        const QStringList paths = someDrop();
        forward("List1 drop " + paths.join(" | "), [on, paths] { on->onDrop(paths); });
        return;
    }
    }
}

void Monkey::menuItem() {
    std::vector<Menu*> items;
    for (Menu* m : form_->allMenus())
        if (m->items.empty() && !m->isSeparator() && m->Visible && m->Enabled) items.push_back(m);
    if (items.empty()) return;
    Menu* m = items[static_cast<size_t>(below(static_cast<int>(items.size())))];
    if (m == &form_->MNUDIAO) keptInFile_ = 0;
    forward("menu " + m->Name, [m] { m->Click(); });
}

void Monkey::panelWindow() {
    switch (below(4)) {
    case 0:
        forward("panel minimised", [this] {
            form_->userResized(form_->Width(), form_->Height(), WindowState::Minimized);
        });
        return;
    case 1:
        forward("panel maximised", [this] {
            form_->userResized(form_->Width(), form_->Height(), WindowState::Maximized);
        });
        return;
    case 2: {
        const QString path = somePath();
        forward("another start hands over " + path,
                [this, path] { form_->handedOverFile.take(path); });
        return;
    }
    default: {
        const int w = 3000 + below(12000), h = 1500 + below(9000);
        forward(QStringLiteral("panel resized to %1 x %2").arg(w).arg(h),
                [this, w, h] { form_->userResized(w, h, WindowState::Normal); });
        return;
    }
    }
}

void Monkey::playerEvent() {
    Form1* p = form_->form1IfLoaded();
    if (!p || !p->Visible || !p->Enabled) {
        passTime();
        return;
    }
    const auto on = p->MediaPlayer1.eventSlots().lock();
    switch (below(8)) {
    case 0:
    case 1: {
        const int k = key(below(60));
        forward(QStringLiteral("player key %1").arg(k), [p, k] { p->Form_KeyDown(k); });
        return;
    }
    case 2:
        forward("player double click", [on] { on->onDblClick(); });
        return;
    case 3: {
        const int button = chance(0.5) ? 1 : 2;
        forward("player mouse down", [on, button] { on->onMouseDown(button, 0, 10, 10); });
        return;
    }
    case 4: {
        const double to = below(50000) / 1000.0;
        forward(QStringLiteral("player bar seeks to %1").arg(to), [p, to] { p->seekTo(to); });
        return;
    }
    case 5: {
        const WindowState states[] = {WindowState::Normal, WindowState::Minimized,
                                      WindowState::Maximized};
        const WindowState s = states[below(3)];
        const int w = 1000 + below(15000), h = 500 + below(10000);
        forward(
            QStringLiteral("player window %1 x %2 state %3").arg(w).arg(h).arg(static_cast<int>(s)),
            [p, w, h, s] { p->userResized(w, h, s); });
        return;
    }
    case 6: {
        const QStringList paths = someDrop();
        forward("player drop " + paths.join(" | "), [on, paths] { on->onDrop(paths); });
        return;
    }
    default:
        forward("player window closed", [this] { form_->Form1_Unload(); });
        return;
    }
}

void Monkey::browserEvent() {
    Form4* w = form_->form4IfLoaded();
    switch (below(8)) {
    case 0: {
        const auto& drives = w->Drive1.drives;
        if (drives.empty()) return;
        const QString drive =
            drives[static_cast<size_t>(below(static_cast<int>(drives.size())))].text;
        const auto on = w->Drive1.eventSlots().lock();
        forward("browser drive " + drive, [w, drive, on] {
            w->Drive1.Drive = drive;
            on->onChange();
        });
        return;
    }
    case 1:
    case 2: {
        QStringList choices = w->Dir1.subfolders;
        choices << folders_ << tree_.path("gone");
        const QString folder = choices[below(static_cast<int>(choices.size()))];
        const auto on = w->Dir1.eventSlots().lock();
        forward("browser folder " + folder, [on, folder] { on->onMoveTo(folder); });
        return;
    }
    case 3: {
        const QString text = typeText(below(60), w->Combo1);
        const bool typed = chance(0.4);
        const auto on = w->Combo1.eventSlots().lock();
        forward("browser type " + text + (typed ? " typed" : " chosen"), [w, text, typed, on] {
            w->Combo1.Text = text;
            if (typed)
                on->onChange();
            else
                on->onClick();
        });
        return;
    }
    case 4:
    case 5:
        if (!w->Command2.Enabled) return;
        forward("browser add all", [w] { w->Command2.eventSlots().lock()->onClick(); });
        return;
    case 6:
        forward("browser close button", [w] { w->Command3.eventSlots().lock()->onClick(); });
        return;
    default:
        forward("browser window closed", [this] { form_->Form4_Unload(); });
        return;
    }
}

void Monkey::worldEvent() {
    if (chance(0.05)) return libraryEvent();
    switch (below(7)) {
    case 0:
    case 1: {
        const QString path = addMediaFile(folders_[below(5)]);
        note(QString::number(number_) + ": file appears " + path);
        return;
    }
    case 2:
        removeFile();
        note(QString::number(number_) + ": a file disappears");
        return;
    case 3: {
        // Content the engine does not know: it refuses the file as libmpv would.
        const QString path = files_[below(static_cast<int>(files_.size()))];
        fake_.engine.addUnplayable(path);
        note(QString::number(number_) + ": not media any more " + path);
        return;
    }
    case 4:
        fake_.clock.time = QStringLiteral("12:%1:%2")
                               .arg(below(60), 2, 10, QChar('0'))
                               .arg(below(60), 2, 10, QChar('0'));
        return;
    case 5:
        fake_.fileDialog.answer = chance(0.3) ? QString() : somePath();
        return;
    default:
        fake_.progress.cancelAfter = chance(0.5) ? -1 : 1 + below(5);
        return;
    }
}

} // namespace xj::test

namespace xj::test {

void Monkey::libraryEvent() {
    // The library file goes, or something that is no file takes its place, or that goes again.
    const QString path = fake_.file("xjge.txt");
    fileReplaced_ = true;
    QDir dir;
    switch (below(3)) {
    case 0:
        if (dir.rmdir(path) || QFile::remove(path))
            note(QString::number(number_) + ": the library file is gone");
        return;
    case 1:
        if (!QFileInfo(path).isDir() && QFile::remove(path) && dir.mkdir(path))
            note(QString::number(number_) + ": a folder stands for the library file");
        return;
    default:
        if (dir.rmdir(path)) note(QString::number(number_) + ": that folder is gone");
        return;
    }
}

} // namespace xj::test

namespace xj::test {

void Monkey::busRequest() {
    const bool top = !inBox_;
    Form1* p = form_->form1IfLoaded();
    switch (below(12)) {
    case 0:
        forward("bus: play", [this] { form_->MNUBOFANG.Click(); });
        return;
    case 1:
        forward("bus: pause", [this] { form_->MNUZAN.Click(); });
        return;
    case 2:
        if (top) promise_ = Promise::Stop;
        forward("bus: stop", [this] { form_->Command14_Click(); });
        return;
    case 3:
        forward("bus: next", [this] { form_->MNUXIA.Click(); });
        return;
    case 4:
        forward("bus: previous", [this] { form_->MNUSHANG.Click(); });
        return;
    case 5: {
        const QString path = somePath();
        forward("bus: open " + path, [this, path] { form_->handedOverFile.take(path); });
        return;
    }
    case 6: {
        if (!p) return;
        const double to = below(40000) / 1000.0;
        forward(QStringLiteral("bus: seek to %1").arg(to), [p, to] { p->seekTo(to); });
        return;
    }
    case 7:
        forward("bus: loop mode", [this] { form_->Label6_Click(); });
        return;
    case 8:
        forward("bus: shuffle", [this] { form_->MNUSUIJI.Click(); });
        return;
    case 9: {
        const double volume = below(101) / 100.0;
        forward(QStringLiteral("bus: volume %1").arg(volume),
                [this, volume] { form_->speakerVolume.setFraction(volume); });
        return;
    }
    case 10:
        if (!chance(0.2)) return;
        quitUnderBox_ = quitUnderBox_ || !top;
        forward("bus: quit", [this] { form_->Form_Unload(); });
        return;
    default:
        forward("bus: play or pause", [this, p] {
            if (p && p->MediaPlayer1.State() == PlaybackState::Playing)
                form_->MNUZAN.Click();
            else
                form_->MNUBOFANG.Click();
        });
        return;
    }
}

} // namespace xj::test
