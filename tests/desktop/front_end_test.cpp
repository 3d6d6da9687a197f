#include "core/form2.h"
#include "desktop/front_end.h"
#include "desktop/menu_mirror.h"
#include "desktop/panel_view.h"
#include "player/form1.h"
#include "support/fakes.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace xj {
namespace {

using test::FakePlatform;

class FrontEndTest : public ::testing::Test {
protected:
    void start(const QByteArray& playlist = {}) {
        fake.writeFile("xp.txt", "no xp\r\n");
        if (!playlist.isEmpty()) fake.writeFile("xjge.txt", playlist);
        form = std::make_unique<Form2>(fake.platform);
        front = std::make_unique<FrontEnd>(*form);
        front->start();
    }
    PanelView& panel() { return front->panel(); }
    template <class W = QWidget> W* widget(const char* name) {
        return panel().findChild<W*>(QString::fromLatin1(name));
    }
    void activate() {
        panel().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&panel()));
    }

    FakePlatform fake;
    std::unique_ptr<Form2> form;
    std::unique_ptr<FrontEnd> front;
};

// Every menu and item as the user meets it: the menu bar's menus, then the pop-up menu.
// Flags: D disabled, H hidden.
struct MenuRow {
    const char* name;
    const char* caption;
    const char* keys = "";
    const char* flags = "";
};
const MenuRow kMenus[] = {
    {"mnuwen", "文件(&F)"},
    {"MNUDADAN", "打开单个文件(&R)", "Ctrl+R"},
    {"MNUDAMU", "打开目录(&O)", "Ctrl+O"},
    {"M1", "-"},
    {"mnuwengjianbaochun", "保存改动(&B)"},
    {"mnbv", "-"},
    {"MNUCA", "查找(&F)"},
    {"m2", "-"},
    {"mnuTui", "退出(&X)"},
    {"MNUBO2", "播放(&O)"},
    {"MNUBOFANG2", "播放(&P)"},
    {"MNUZAN2", "暂停(&S)"},
    {"m13", "-"},
    {"MNUSHANG2", "播放上一首(&T)"},
    {"MNUXIA2", "播放下一首(&C)"},
    {"M14", "-"},
    {"MNUZHENG2", "正常速度播放(&G)"},
    {"MNUKUAI2", "快速播放"},
    {"MNUJIAKUAI1A2", "加快10% (&F)"},
    {"MNUJIAKUAI2A2", "加快20%  "},
    {"MNUMAN2", "慢速播放"},
    {"MNUJIAN1A2", "减慢播放10%(&M)  "},
    {"MNUJIAN2A2", "减慢播放20%  "},
    {"MNUDAO2", "慢速倒播(&X)"},
    {"M15", "-"},
    {"MNUYINLIANGJIA", "音量加大(&B)"},
    {"MNUYINLIANGJIAN", "音量减小(&A)"},
    {"m31", "-"},
    {"MNUSUIJI2", "随机播放(&J)"},
    {"MNUQIE2", "切换循环模式(&H)"},
    {"M16", "-"},
    {"MNUHUANDENG", "快放幻灯片(&D)", "", "D"},
    {"MNUFANGHUANDENGMAN", "慢放幻灯片(&F)", "", "D"},
    {"mnu17", "-"},
    {"MNUYINCANG2", "隐藏菜单栏(&Y)"},
    {"MNUGONG", "工具(&T)"},
    {"mnuyouxp", "XP系统使用优化"},
    {"lkj", "-"},
    {"MNUSAN546", "删除"},
    {"MNUXUAN", "当前目录选删(&D)"},
    {"mnusancong2", "删除重复(&c)"},
    {"MNUQUAN", "当前目录全删(&K)", "Ctrl+U"},
    {"m6", "-"},
    {"MNUDIAO", "从目录库调出(&F)"},
    {"m7", "-"},
    {"MNUSANSHUO", "窗体闪烁(&S)"},
    {"MNUMIANBAN", "当前媒体资料(&B)"},
    {"MNU33", "-"},
    {"MNUBOFANGKOU1", "切换播放窗口大小(&C)"},
    {"MNUZHUIXIAOHUA", "最小化所有窗体(&I)"},
    {"M10", "-"},
    {"MNUMULUBIAO", "切换目录表工具(&C)"},
    {"MNUBANG", "帮助(&H)"},
    {"mnujie", "星鲸超级声海(&D)"},
    {"MNUBO", "播放", "", "H"},
    {"MNUBOFANG", "播放(&P)", "Ctrl+P"},
    {"MNUZAN", "暂停", "Ctrl+W"},
    {"m3", "-"},
    {"MNUSHANG", "播放上一首"},
    {"MNUXIA", "播放下一首"},
    {"m4", "-"},
    {"MNUZHENG", "正常速度播放", "Ctrl+Q"},
    {"MNUKUAI", "快速播放"},
    {"MNUJIAKUAI1", "加快10%  ", "Ctrl+A"},
    {"MNUJIAKUAI2", "加快20%  ", "Ctrl+S"},
    {"MNUMAN", "慢速播放"},
    {"MNUJIAN1", "减慢播放10%  ", "Ctrl+Z"},
    {"MNUJIAN2", "减慢播放20% ", "Ctrl+X"},
    {"MNUDAO", "慢速倒播"},
    {"MNU1ZHITI", "目录字体大小"},
    {"MNU1BIANDA", "增大"},
    {"MNU1JIANXIAO", "减小"},
    {"MNU1MOREN", "默认大小"},
    {"m5", "-"},
    {"MNUSUIJI", "随机播放(&J)"},
    {"MNUQIE", "切换循环模式"},
    {"m9", "-"},
    {"MNUSANC123", "删除"},
    {"MNUXUAN2", "当前目录选删(&D)"},
    {"mnusancong", "删除重复(&c)"},
    {"MNUQUAN2", "当前目录全删(&K)"},
    {"mn100", "-"},
    {"MNUYINCANG", "显示菜单栏", "", "D"},
    {"M19", "-"},
    {"MNUBANG2", "帮助"},
};

void collect(QAction* action, std::vector<QAction*>& out) {
    out.push_back(action);
    if (QMenu* menu = action->menu())
        for (QAction* item : menu->actions())
            collect(item, out);
}

TEST_F(FrontEndTest, MenusShowEveryItemWithCaptionShortcutAndState) {
    start();
    std::vector<QAction*> seen;
    for (QAction* top : panel().menuBar()->actions())
        collect(top, seen);
    collect(panel().menus().menuOf(form->MNUBO)->menuAction(), seen);

    std::map<QString, Menu*> model;
    for (Menu* m : form->allMenus())
        model[m->Name] = m;
    ASSERT_EQ(seen.size(), std::size(kMenus));
    ASSERT_EQ(seen.size(), model.size());
    for (size_t i = 0; i < seen.size(); ++i) {
        const MenuRow& row = kMenus[i];
        QAction* a = seen[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(a->objectName(), row.name);
        if (QString::fromUtf8(row.caption) == "-") {
            EXPECT_TRUE(a->isSeparator());
        } else {
            EXPECT_EQ(a->text(), QString::fromUtf8(row.caption));
            EXPECT_EQ(a->shortcut().toString(QKeySequence::PortableText), row.keys);
        }
        const bool visible = !strchr(row.flags, 'H');
        EXPECT_EQ(a->isVisible(), visible);
        if (visible) { // Qt disables hidden actions
            EXPECT_EQ(a->isEnabled(), !strchr(row.flags, 'D'));
        }
        EXPECT_EQ(!a->icon().isNull(), !model[row.name]->Picture.isEmpty());
    }
    EXPECT_TRUE(panel().menuBar()->isVisible());

    // Hiding the bar hides its menus and offers the pop-up's item that shows it again.
    front->forward([&] { form->Command26_Click(); });
    EXPECT_FALSE(panel().menuBar()->isVisible());
    EXPECT_TRUE(panel().menus().actionOf(form->MNUYINCANG)->isEnabled());
    EXPECT_FALSE(panel().menus().actionOf(form->mnuwen)->isVisible());
}

TEST_F(FrontEndTest, WidgetsCarryTheControlsTextsAndNames) {
    start("b\r\na\r\nc\r\n");
    for (Control* c : form->controls()) {
        SCOPED_TRACE(c->Name.toStdString());
        QWidget* w = widget(c->Name.toLatin1().constData());
        if (c->NeverShown) {
            EXPECT_EQ(w, nullptr);
            continue;
        }
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->isVisible(), c->Visible);
        EXPECT_EQ(w->toolTip(), c->ToolTipText);
        EXPECT_EQ(w->accessibleDescription(), c->ToolTipText);
        auto* button = dynamic_cast<CommandButton*>(c);
        if (button && button->Picture) {
            auto* tool = qobject_cast<QToolButton*>(w);
            ASSERT_NE(tool, nullptr);
            EXPECT_FALSE(tool->icon().isNull());
            EXPECT_EQ(w->accessibleName(), c->ToolTipText);
        } else if (c != &form->List1 && c != &form->HScroll1) {
            EXPECT_EQ(w->accessibleName(), c->Caption);
        }
        if (button && !button->Picture) {
            EXPECT_EQ(qobject_cast<QPushButton*>(w)->text(), c->Caption);
        }
        if (dynamic_cast<Label*>(c)) {
            EXPECT_EQ(qobject_cast<QLabel*>(w)->text(), c->Caption);
        }
    }
    EXPECT_EQ(widget<QLabel>("Label2")->text(), QString::fromUtf8("目录总歌曲为 3首"));
    EXPECT_EQ(panel().windowTitle(), form->Caption);
    EXPECT_EQ(widget<QComboBox>("Combo1")->count(), 17);
    EXPECT_EQ(widget<QComboBox>("Combo1")->currentText(), form->Combo1.Text);

    auto* list = widget<QListView>("List1");
    ASSERT_EQ(list->model()->rowCount(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(list->model()->index(i, 0).data().toString(), form->List1.List(i));
    EXPECT_EQ(list->font().family(), "WenQuanYi Micro Hei");
}

TEST_F(FrontEndTest, ListSelectionGoesBothWaysAndRightPressPopsUpTheMenu) {
    start("a\r\nb\r\nc\r\nd\r\n");
    activate();
    auto* list = widget<QListView>("List1");
    auto at = [list](int row) { return list->visualRect(list->model()->index(row, 0)).center(); };
    auto marked = [list](int row) {
        return list->selectionModel()->isSelected(list->model()->index(row, 0));
    };
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, at(2));
    EXPECT_TRUE(form->List1.Selected(0));
    EXPECT_FALSE(form->List1.Selected(1));
    EXPECT_TRUE(form->List1.Selected(2));
    EXPECT_EQ(form->List1.ListIndex(), 2);

    // A change in the model reaches the widget at the next sync.
    front->forward([&] {
        form->List1.setSelected(2, false);
        form->List1.setSelected(3, true);
    });
    EXPECT_TRUE(marked(0));
    EXPECT_FALSE(marked(2));
    EXPECT_TRUE(marked(3));
    EXPECT_EQ(list->currentIndex().row(), 3);

    QMenu* popup = panel().menus().menuOf(form->MNUBO);
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, at(1));
    EXPECT_TRUE(popup->isVisible());
    EXPECT_FALSE(form->List1.Selected(1));
    EXPECT_FALSE(marked(1));
    popup->hide();
}

// The list's view follows the model by its change counts: idle syncs of a full list must leave
// the view alone, and no way of changing the entries or marks may be missed.
TEST_F(FrontEndTest, EveryChangeOfAFullListReachesTheViewAndIdleSyncsLeaveItAlone) {
    QByteArray lines;
    for (int i = 0; i < ListBox::MaxCount; ++i)
        lines += "/m/" + QByteArray::number(100000 + i) + ".mp3\r\n";
    start(lines);
    auto* list = widget<QListView>("List1");
    ListBox& model = form->List1;
    auto same = [&](const char* step) {
        SCOPED_TRACE(step);
        QStringList shown, held;
        for (int i = 0; i < list->model()->rowCount(); ++i)
            shown << list->model()->index(i, 0).data().toString();
        for (int i = 0; i < model.ListCount(); ++i)
            held << model.List(i);
        EXPECT_EQ(shown, held);
        std::vector<int> shownMarks, heldMarks;
        for (const QModelIndex& index : list->selectionModel()->selectedIndexes())
            shownMarks.push_back(index.row());
        std::sort(shownMarks.begin(), shownMarks.end());
        for (int i = 0; i < model.ListCount(); ++i)
            if (model.Selected(i)) heldMarks.push_back(i);
        EXPECT_EQ(shownMarks, heldMarks);
        EXPECT_EQ(list->currentIndex().row(), model.ListIndex());
    };
    same("loaded");

    list->scrollTo(list->model()->index(20000, 0));
    const int scrolled = list->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    QSignalSpy resets(list->model(), &QAbstractItemModel::modelReset);
    QSignalSpy marks(list->selectionModel(), &QItemSelectionModel::selectionChanged);
    for (int tick = 0; tick < 3; ++tick)
        front->sync();
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(marks.count(), 0);
    EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);

    auto change = [&](const char* step, const std::function<void()>& edit) {
        edit();
        front->sync();
        same(step);
    };
    change("mark", [&] { model.setSelected(5, true); });
    change("another mark", [&] { model.setSelected(7, true); });
    EXPECT_EQ(resets.count(), 0) << "marks alone rebuilt the rows";
    change("unmark", [&] { model.setSelected(5, false); });
    change("highlight", [&] { model.setListIndex(9); });
    change("remove one", [&] { model.RemoveItem(0); });
    change("insert at a place", [&] { model.AddItem("/m/inserted.mp3", 3); });
    change("remove the marked", [&] {
        model.setSelected(10, true);
        model.setSelected(11, true);
        model.RemoveSelected();
    });
    change("add many", [&] { model.AddItems({"/m/a.mp3", "/m/b.mp3"}); });
    change("clear", [&] { model.Clear(); });
    change("add to the empty list", [&] { model.AddItem("/m/only.mp3"); });
}

TEST_F(FrontEndTest, PreviousAndNextLeaveTheStatusTimerOnHoweverTheButtonIsPressed) {
    for (const char* path : {"/m/1.mp3", "/m/2.mp3", "/m/3.mp3"})
        fake.engine.addMedia(path, 60);
    start("/m/1.mp3\r\n/m/2.mp3\r\n/m/3.mp3\r\n");
    activate();
    auto* list = widget<QListView>("List1");
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualRect(list->model()->index(0, 0)).center());
    ASSERT_EQ(fake.engine.file, "/m/1.mp3");
    ASSERT_TRUE(form->Timer1.Enabled());

    // Each press plays the next (or previous) entry and leaves the status timer running, as
    // the button's release comes after its click.
    auto* next = widget<QToolButton>("Command25");
    auto* previous = widget<QToolButton>("Command24");
    auto pressed = [&](const char* how, const char* expected, const std::function<void()>& press) {
        SCOPED_TRACE(how);
        press();
        EXPECT_EQ(fake.engine.file, expected);
        EXPECT_TRUE(form->Timer1.Enabled());
    };
    pressed("mouse", "/m/2.mp3", [&] { QTest::mouseClick(next, Qt::LeftButton); });
    pressed("mouse", "/m/1.mp3", [&] { QTest::mouseClick(previous, Qt::LeftButton); });
    next->setFocus();
    pressed("space", "/m/2.mp3", [&] { QTest::keyClick(next, Qt::Key_Space); });
    pressed("enter", "/m/3.mp3", [&] { QTest::keyClick(next, Qt::Key_Return); });
    // A screen reader presses the button through its action.
    auto pressAction = [](QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr);
        ASSERT_NE(a->actionInterface(), nullptr);
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    pressed("accessibility", "/m/2.mp3", [&] { pressAction(previous); });
    pressed("accessibility", "/m/3.mp3", [&] { pressAction(next); });

    // A release with another button runs no click and still switches the timer on.
    front->forward([&] { form->Timer1.setEnabled(false); });
    QTest::mouseClick(next, Qt::RightButton);
    EXPECT_EQ(fake.engine.file, "/m/3.mp3");
    EXPECT_TRUE(form->Timer1.Enabled());
}

TEST_F(FrontEndTest, ShortcutsFireWhileTheMenuBarIsHidden) {
    start();
    front->forward([&] { form->Command26_Click(); });
    ASSERT_FALSE(panel().menuBar()->isVisible());
    activate();
    int opened = 0, faster = 0, slower = 0;
    form->MNUDADAN.onClick = [&] { ++opened; };    // a menu-bar item
    form->MNUJIAKUAI1.onClick = [&] { ++faster; }; // a pop-up item
    form->MNUJIAN1.onClick = [&] { ++slower; };
    QTest::keyClick(&panel(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(opened, 1);
    QTest::keyClick(&panel(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(faster, 1);

    // The menus' keys come before the edit box's own (select all, undo).
    QLineEdit* edit = widget<QComboBox>("Combo1")->lineEdit();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(faster, 2);
    EXPECT_EQ(slower, 1);
}

TEST_F(FrontEndTest, UserResizeAndAClickOnAStatusLabelReachTheModel) {
    start();
    // Taller than the least height, so hiding the menu bar can shrink the window.
    const int startHeight = form->Height();
    panel().resize(panel().width(), panel().height() + 40);
    EXPECT_EQ(form->Height(), startHeight + 40 * 15);
    EXPECT_EQ(form->List1.Height, form->Height() - form->fixedheight - 285);

    const int height = form->Height();
    const QSize client = panel().client()->size();
    QTest::mouseClick(widget("Label2"), Qt::LeftButton);
    EXPECT_EQ(form->Height(), height - 285);
    EXPECT_FALSE(panel().menuBar()->isVisible());
    // The window lost the bar; the controls' area kept its size.
    EXPECT_EQ(panel().client()->size(), client);
    QTest::mouseClick(widget("Label2"), Qt::LeftButton);
    EXPECT_EQ(form->Height(), height);
    EXPECT_TRUE(panel().menuBar()->isVisible());
}

TEST_F(FrontEndTest, PlayerWindowFollowsTheModelAndClosingUnloadsIt) {
    start();
    EXPECT_FALSE(front->player().isVisible());
    // The first toggle minimises it away, the second brings it back.
    front->forward([&] { form->Command17_Click(); });
    front->forward([&] { form->Command17_Click(); });
    ASSERT_NE(form->form1IfLoaded(), nullptr);
    EXPECT_TRUE(front->player().isVisible());
    EXPECT_EQ(front->player().windowTitle(), form->form1IfLoaded()->Caption);

    front->player().close();
    EXPECT_EQ(form->form1IfLoaded(), nullptr);
    EXPECT_TRUE(fake.engine.calls.contains("close"));
    EXPECT_FALSE(front->player().isVisible());
    EXPECT_TRUE(panel().isVisible());
    EXPECT_FALSE(form->ended());
}

TEST_F(FrontEndTest, ClosingThePanelRunsItsUnload) {
    start();
    form->wenjianming = true;
    fake.messages.answers.push_back(MsgResult::No);
    panel().close();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_TRUE(form->ended());
    EXPECT_EQ(fake.exit.ends, 1);
    EXPECT_FALSE(panel().isVisible());
    EXPECT_FALSE(front->player().isVisible());
}

TEST_F(FrontEndTest, ModelTimersTickThroughQtUntilDisabled) {
    start();
    int ticks = 0;
    form->Timer3.onTimer = [&] { ++ticks; };
    front->forward([&] { form->Timer3.setEnabled(true); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 10000));
    front->forward([&] { form->Timer3.setEnabled(false); });
    const int stopped = ticks;
    QTest::qWait(300);
    EXPECT_EQ(ticks, stopped);
}

} // namespace
} // namespace xj

namespace xj {
namespace {

TEST_F(FrontEndTest, TheVolumeSliderShowsTheCardAndJumpsWhereItIsClicked) {
    fake.mixer.controls[MixerLine::Speakers] = {0, 65535, 30000};
    start();
    front->forward([this] { form->Command11_Click(); }); // the tool area
    auto* slider = widget<QScrollBar>("HScroll1");
    ASSERT_NE(slider, nullptr);
    ASSERT_TRUE(slider->isVisible());
    EXPECT_EQ(slider->value(), 15000);
    // Right of the handle, well inside the track: the handle goes there, not one page on.
    QTest::mouseClick(slider, Qt::LeftButton, {},
                      QPoint(slider->width() * 7 / 10, slider->height() / 2));
    EXPECT_GT(slider->value(), 20000);
    EXPECT_EQ(fake.mixer.controls[MixerLine::Speakers].value, slider->value() * 2);
    // A louder step from the menu moves the handle too.
    const int before = slider->value();
    front->forward([this] { form->MNUYINLIANGJIAN.Click(); });
    EXPECT_EQ(slider->value(), (before * 2 - 6553) / 2);
}

} // namespace
} // namespace xj
