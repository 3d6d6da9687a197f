#include "core/form2.h"
#include "desktop/front_end.h"
#include "desktop/panel_view.h"
#include "desktop/player_view.h"
#include "player/form1.h"
#include "support/fakes.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QSet>

#include <gtest/gtest.h>
#include <memory>

namespace xj {
namespace {

using test::FakePlatform;

// The panel as a screen reader or a voice-control tool meets it: through Qt's accessibility
// interfaces, which the desktop's accessibility bridge serves.
class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake.writeFile("xp.txt", "no xp\r\n");
        form = std::make_unique<Form2>(fake.platform);
        front = std::make_unique<FrontEnd>(*form);
        front->start();
    }
    PanelView& panel() { return front->panel(); }

    FakePlatform fake;
    std::unique_ptr<Form2> form;
    std::unique_ptr<FrontEnd> front;
};

// Every accessible object under `a`, depth first.
void walk(QAccessibleInterface* a, std::vector<QAccessibleInterface*>& out) {
    for (int i = 0; i < a->childCount(); ++i) {
        QAccessibleInterface* child = a->child(i);
        if (!child) continue;
        out.push_back(child);
        walk(child, out);
    }
}

TEST_F(AccessibilityTest, ThePanelNamesItsListAndSliderAndHidesWhatIsNeverShown) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&panel());
    ASSERT_NE(root, nullptr);
    std::vector<QAccessibleInterface*> all;
    walk(root, all);

    const QSet<QString> neverShown{
        "Command26", "Command3", "Command7", "SubDir", "Dir1",   "File1",  "imOpen", "imSave",
        "Image1",    "Image2",   "Image3",   "Image4", "Image5", "Image6", "Image7", "Picture1"};
    std::map<QString, QAccessibleInterface*> byName;
    for (QAccessibleInterface* a : all) {
        const QString name = a->object() ? a->object()->objectName() : QString();
        EXPECT_FALSE(neverShown.contains(name)) << name.toStdString();
        EXPECT_NE(a->text(QAccessible::Name), QString::fromUtf8("更新"));
        if (!name.isEmpty()) byName[name] = a;
    }
    // The picture buttons and the shown controls are all still there.
    for (const char* shown : {"List1", "HScroll1", "Command25", "Combo1", "Label6", "Command4"})
        EXPECT_TRUE(byName.contains(shown)) << shown;

    ASSERT_TRUE(byName.contains("List1"));
    EXPECT_EQ(byName["List1"]->text(QAccessible::Name), QString::fromUtf8("目录表"));
    // A click gives the list a tooltip naming the entry; the list keeps its name.
    form->List1.setSelected(1, true);
    front->forward([this] { form->List1_Click(); });
    ASSERT_FALSE(form->List1.ToolTipText.isEmpty());
    EXPECT_EQ(byName["List1"]->text(QAccessible::Name), QString::fromUtf8("目录表"));
    ASSERT_TRUE(byName.contains("HScroll1"));
    EXPECT_EQ(byName["HScroll1"]->text(QAccessible::Name), QString::fromUtf8("音量"));
}

TEST_F(AccessibilityTest, TextEnteredIntoTheTypeBoxReachesTheSearch) {
    auto* box = panel().findChild<QComboBox*>("Combo1");
    ASSERT_NE(box, nullptr);
    QAccessibleInterface* edit = QAccessible::queryAccessibleInterface(box->lineEdit());
    ASSERT_NE(edit, nullptr);

    // As a voice-control tool sets a text field's value.
    edit->setText(QAccessible::Value, "*.png");
    EXPECT_EQ(box->currentText(), "*.png");
    EXPECT_EQ(form->Combo1.Text, "*.png");

    // As a screen reader edits text in place.
    QAccessibleEditableTextInterface* editable = edit->editableTextInterface();
    ASSERT_NE(editable, nullptr);
    editable->replaceText(0, int(box->currentText().size()), "*.avi");
    EXPECT_EQ(form->Combo1.Text, "*.avi");

    // The drive search asks about the type the box shows.
    fake.messages.answers.push_back(MsgResult::No);
    front->forward([&] { form->Command1_Click(); });
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_TRUE(fake.messages.shown[0].text.contains("*.avi"))
        << fake.messages.shown[0].text.toStdString();
}

TEST_F(AccessibilityTest, TheSpeedIsReadableOverThePictureForAWhile) {
    fake.engine.addMedia("/m/a.mp3", 60);
    front->forward([this] { form->Command27_Click(); });
    QWidget* badge = front->player().findChild<QWidget*>("SpeedBadge");
    ASSERT_NE(badge, nullptr);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(badge);
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(badge->isVisibleTo(&front->player()));
    EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8("1.1×"));
    front->forward([this] { form->Command30_Click(); });
    EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8("倒放 1.5×"));
    // The badge's own timer hides it.
    front->forward([this] { form->form1().speedBadge.timer.fire(); });
    EXPECT_FALSE(badge->isVisibleTo(&front->player()));
}

} // namespace
} // namespace xj
