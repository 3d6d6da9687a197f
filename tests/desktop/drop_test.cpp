#include "core/form2.h"
#include "desktop/front_end.h"
#include "desktop/panel_view.h"
#include "support/fakes.h"
#include "support/folder_tree.h"

#include <QApplication>
#include <QDropEvent>
#include <QListView>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>
#include <memory>

namespace xj {
namespace {

class DropTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake.writeFile("xp.txt", "no xp\r\n");
        fake.writeFile("xjge.txt", "/m/old.mp3\r\n");
        form = std::make_unique<Form2>(fake.platform);
        front = std::make_unique<FrontEnd>(*form);
        front->start();
        list = front->panel().findChild<QListView*>(QStringLiteral("List1"));
        ASSERT_NE(list, nullptr);
    }
    // Drags the data onto the middle of the list and drops it there, as a file manager does;
    // whether the list took the drag.
    bool drop(const QMimeData& data) { return dropOn(list->viewport(), data); }
    bool dropOn(QWidget* target, const QMimeData& data) {
        const QPointF at = QPointF(target->rect().center());
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return enter.isAccepted();
    }
    QStringList rows() const {
        QStringList out;
        for (int i = 0; i < list->model()->rowCount(); ++i)
            out << list->model()->index(i, 0).data().toString();
        return out;
    }

    test::FakePlatform fake;
    std::unique_ptr<Form2> form;
    std::unique_ptr<FrontEnd> front;
    QListView* list = nullptr;
    test::FolderTree tree;
};

TEST_F(DropTest, AFolderTreeDroppedOnTheListShowsItsMediaAndTextIsRefused) {
    QMimeData text;
    text.setText(QStringLiteral("/m/typed.mp3"));
    text.setUrls({QUrl(QStringLiteral("https://example.org/song.mp3"))});
    EXPECT_FALSE(drop(text));
    EXPECT_EQ(rows(), QStringList{"/m/old.mp3"});

    const QString a = tree.file("music/a.mp3");
    const QString b = tree.file("music/sub/b.wav");
    const QString c = tree.file("music/sub/deeper/c.jpg");
    tree.file("music/notes.txt");
    tree.file("music/.hidden/d.mp3");
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(tree.path("music"))});
    EXPECT_TRUE(drop(files));
    EXPECT_EQ(rows(), (QStringList{"/m/old.mp3", a, b, c}));
    EXPECT_EQ(rows(), [this] {
        QStringList model;
        for (int i = 0; i < form->List1.ListCount(); ++i)
            model << form->List1.List(i);
        return model;
    }());
    EXPECT_TRUE(form->wenjianming);
}

TEST_F(DropTest, AFileDroppedOnThePlayerWindowPlaysOnTopOfTheList) {
    const QString film = tree.file("films/new.mp4");
    fake.engine.addMedia(film, 60);
    front->forward([this] { form->form1(); });
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(tree.path("films")), QUrl::fromLocalFile(film)});
    EXPECT_TRUE(dropOn(&front->player(), files));
    EXPECT_EQ(rows(), (QStringList{film, "/m/old.mp3"}));
    EXPECT_EQ(list->currentIndex().row(), 0);
    EXPECT_EQ(fake.engine.fileName(), film);
    EXPECT_EQ(form->listbian, 0);
}

} // namespace
} // namespace xj
