#include "core/form2.h"
#include "desktop/folder_browser_view.h"
#include "desktop/front_end.h"
#include "desktop/menu_mirror.h"
#include "desktop/panel_view.h"
#include "support/fakes.h"
#include "support/folder_tree.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>
#include <memory>

namespace xj {
namespace {

class FolderBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* f : {"music/a.mp3", "music/b.MP3", "music/c.wav", "music/notes.txt",
                              "music/sub/d.mp3", "other/e.mp3"})
            tree.file(QString::fromUtf8(f));
        tree.folder("music/empty");
        fake.drives.drives = {
            {"c:", tree.root()}, {"d:", tree.path("other/")}, {"e:", tree.path("missing/")}};
        fake.drives.current = tree.path("music");
        fake.writeFile("xp.txt", "no xp\r\n");
        form = std::make_unique<Form2>(fake.platform);
        front = std::make_unique<FrontEnd>(*form);
        front->start();
    }
    void open() {
        front->panel().menus().actionOf(form->MNUDAMU)->trigger();
        ASSERT_NE(front->browser(), nullptr);
    }
    template <class W = QWidget> W* widget(const char* name) {
        return front->browser()->findChild<W*>(QString::fromLatin1(name));
    }
    QStringList texts(QAbstractItemView* list) {
        QStringList out;
        for (int i = 0; i < list->model()->rowCount(); ++i)
            out << list->model()->index(i, 0).data().toString();
        return out;
    }
    Form4& browser() { return *form->form4IfLoaded(); }
    // The preview and status line show what the model holds.
    void expectPreviewShown() {
        EXPECT_EQ(texts(widget<QListWidget>("File1")), browser().File1.names);
        EXPECT_EQ(widget<QLabel>("Label2")->text(), browser().Label2.Caption);
        EXPECT_EQ(widget("Command2")->isEnabled(), browser().Command2.Enabled);
    }

    test::FolderTree tree;
    test::FakePlatform fake;
    std::unique_ptr<Form2> form;
    std::unique_ptr<FrontEnd> front;
};

TEST_F(FolderBrowserTest, OpensAboveTheDisabledPanelWithTheBrowsersControls) {
    open();
    FolderBrowserView* view = front->browser();
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(front->panel().isEnabled());
    EXPECT_EQ(view->windowTitle(), QString::fromUtf8("星鲸超级声海--打开文件"));
    EXPECT_EQ(view->windowHandle()->transientParent(), front->panel().windowHandle());
    EXPECT_EQ(front->widgetOf(browser()), view);

    Form4& b = browser();
    for (Control* c :
         std::initializer_list<Control*>{&b.Drive1, &b.Dir1, &b.File1, &b.Combo1, &b.Command2,
                                         &b.Command3, &b.Label1, &b.Label2, &b.Frame1}) {
        SCOPED_TRACE(c->Name.toStdString());
        QWidget* w = widget(c->Name.toLatin1().constData());
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->accessibleDescription(), c->ToolTipText);
        const bool picture = dynamic_cast<CommandButton*>(c) != nullptr;
        EXPECT_EQ(w->accessibleName(), picture ? c->ToolTipText : c->Caption);
        if (picture) {
            EXPECT_FALSE(qobject_cast<QToolButton*>(w)->icon().isNull());
        }
        if (c->ForeColor == colors::Green && !qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(w->palette().color(QPalette::Text), QColor(0, 255, 0));
        }
    }
    EXPECT_EQ(widget<QLabel>("Label1")->text(), QString::fromUtf8("搜索预览"));
    EXPECT_EQ(widget<QLabel>("Label2")->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(widget<QComboBox>("Drive1")->currentText(), "c:");
    EXPECT_EQ(widget<QComboBox>("Combo1")->currentText(), b.Combo1.Text);
    EXPECT_EQ(widget<QComboBox>("Combo1")->count(), int(b.Combo1.items.size()));
    ASSERT_EQ(b.File1.names.size(), 3);
    expectPreviewShown();

    // The folder list: the path from the root down, the folder highlighted, then its subfolders.
    auto* dirs = widget<QListWidget>("Dir1");
    const QStringList path = tree.path("music").split('/', Qt::SkipEmptyParts);
    const QStringList subfolders{"empty", "sub"};
    EXPECT_EQ(texts(dirs), QStringList("/") + path + subfolders);
    EXPECT_EQ(dirs->currentRow(), path.size());
}

TEST_F(FolderBrowserTest, TypingChoosingAndMovingReachTheBrowser) {
    open();
    auto* list = front->panel().findChild<QListView*>("List1");
    const int before = list->model()->rowCount();
    QTest::mouseClick(widget("Command2"), Qt::LeftButton);
    ASSERT_EQ(list->model()->rowCount(), before + 3);
    for (const QString& name : browser().File1.names)
        EXPECT_TRUE(texts(list).contains(tree.path("music/") + name)) << name.toStdString();
    EXPECT_FALSE(browser().Command2.Enabled);
    expectPreviewShown();

    // An item chosen from the type list is a click: it lists, and add all stays spent.
    auto* type = widget<QComboBox>("Combo1");
    QTest::keyClick(type->lineEdit(), Qt::Key_Down);
    EXPECT_EQ(browser().Combo1.Text, type->itemText(1));
    EXPECT_EQ(browser().File1.names.size(), 2); // the two MP3s
    EXPECT_FALSE(browser().Command2.Enabled);
    expectPreviewShown();

    // Text the model writes into the box is shown, not taken back as a change.
    front->forward([&] { browser().Combo1.Text = type->itemText(2); });
    EXPECT_EQ(type->currentText(), type->itemText(2));
    EXPECT_FALSE(browser().Command2.Enabled);
    front->forward([&] { browser().Combo1.Text = type->itemText(1); });

    // Typed text is a change, which makes add all ready again.
    type->lineEdit()->selectAll();
    QTest::keyClicks(type->lineEdit(), "*.wav");
    EXPECT_EQ(browser().Combo1.Text, "*.wav");
    EXPECT_EQ(browser().File1.names, QStringList{"c.wav"});
    EXPECT_TRUE(browser().Command2.Enabled);
    EXPECT_EQ(type->currentText(), "*.wav");
    expectPreviewShown();

    // A click on a subfolder enters it; a click on an ancestor goes up.
    auto* dirs = widget<QListWidget>("Dir1");
    auto click = [dirs](const QString& text) {
        const auto found = dirs->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        QTest::mouseClick(dirs->viewport(), Qt::LeftButton, {},
                          dirs->visualItemRect(found[0]).center());
    };
    type->lineEdit()->selectAll();
    QTest::keyClicks(type->lineEdit(), "*.mp3");
    click("sub");
    EXPECT_EQ(browser().Dir1.Path, tree.path("music/sub"));
    EXPECT_EQ(browser().File1.names, QStringList{"d.mp3"});
    EXPECT_EQ(dirs->currentItem()->text(), "sub");
    expectPreviewShown();
    click("music");
    EXPECT_EQ(browser().Dir1.Path, tree.path("music"));
    EXPECT_EQ(dirs->count() - dirs->currentRow() - 1, 2);

    // Choosing a drive moves the lists to its root; a drive that is not ready is given up.
    auto* drives = widget<QComboBox>("Drive1");
    QTest::keyClick(drives, Qt::Key_Down);
    EXPECT_EQ(browser().Drive1.Drive, "d:");
    EXPECT_EQ(browser().Dir1.Path, tree.path("other/"));
    EXPECT_EQ(browser().File1.names, QStringList{"e.mp3"});
    expectPreviewShown();
    QTest::keyClick(drives, Qt::Key_Down);
    EXPECT_EQ(browser().Drive1.Drive, "d:");
    EXPECT_EQ(drives->currentText(), "d:");
    EXPECT_EQ(browser().Dir1.Path, tree.path("other/"));
    EXPECT_TRUE(widget<QLabel>("Label2")->text().contains(QString::fromUtf8("未准备好")));
}

TEST_F(FolderBrowserTest, CloseBoxAndCloseButtonCloseItAndEnableThePanel) {
    open();
    front->browser()->close();
    EXPECT_EQ(form->form4IfLoaded(), nullptr);
    EXPECT_EQ(front->browser(), nullptr);
    EXPECT_TRUE(front->panel().isEnabled());
    EXPECT_FALSE(form->ended());

    // Opened again, it is a new window over a new browser.
    open();
    EXPECT_FALSE(front->panel().isEnabled());
    QPointer<FolderBrowserView> view = front->browser();
    QTest::mouseClick(widget("Command3"), Qt::LeftButton);
    EXPECT_EQ(form->form4IfLoaded(), nullptr);
    EXPECT_EQ(front->browser(), nullptr);
    EXPECT_TRUE(front->panel().isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.isNull(); }, 5000));
}

} // namespace
} // namespace xj
