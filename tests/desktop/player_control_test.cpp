#include "core/form2.h"
#include "desktop/front_end.h"
#include "desktop/video_view.h"
#include "player/form1.h"
#include "support/fakes.h"

#include <QAccessible>
#include <QLabel>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

namespace xj {
namespace {

// A picture area with nothing to draw: the clicks are what count.
class BlankVideo : public VideoView {
public:
    explicit BlankVideo(QWidget* parent) : VideoView(parent) {}
    bool usesOpenGL() const override { return false; }
};

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// The player window's control as a user meets it, through the widgets and through Qt's
// accessibility interfaces, which the desktop's accessibility bridge serves.
class PlayerControlTest : public ::testing::Test {
protected:
    void start(const QByteArray& playlist, bool withVideo = false) {
        fake.writeFile("xp.txt", "no xp\r\n");
        fake.writeFile("xjge.txt", playlist);
        form = std::make_unique<Form2>(fake.platform);
        FrontEnd::VideoFactory video;
        if (withVideo) video = [this](QWidget* parent) { return picture = new BlankVideo(parent); };
        front = std::make_unique<FrontEnd>(*form, video);
        front->start();
    }
    void play(int entry) {
        front->forward([this, entry] {
            for (int i = 0; i < form->List1.ListCount(); ++i)
                form->List1.setSelected(i, i == entry);
            form->List1_DblClick();
        });
    }
    QWidget& player() { return front->player(); }
    template <class W = QWidget> W* part(const char* name) {
        return player().findChild<W*>(QString::fromLatin1(name));
    }
    // What a screen reader reads in the information display, line by line.
    QStringList paneLines() {
        QStringList lines;
        QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(part("InfoPane"));
        if (!pane) return lines;
        for (int i = 0; i < pane->childCount(); ++i) {
            QAccessibleInterface* line = pane->child(i);
            if (line && !line->state().invisible) lines << line->text(QAccessible::Name);
        }
        return lines;
    }
    // Every line of the display lies wholly inside it: none is cut off.
    bool linesInsidePane() {
        QWidget* pane = part("InfoPane");
        for (QLabel* line : pane->findChildren<QLabel*>())
            if (line->isVisible() && !pane->rect().contains(line->geometry())) return false;
        return true;
    }
    QRect inControl(const char* name) {
        QWidget* w = part(name);
        return QRect(w->mapTo(part("MediaPlayer1"), QPoint()), w->size());
    }

    test::FakePlatform fake;
    std::unique_ptr<Form2> form;
    std::unique_ptr<FrontEnd> front;
    VideoView* picture = nullptr;
};

TEST_F(PlayerControlTest, TheInformationDisplayReadsTheEntryAboveTheBarOrOverThePicture) {
    MediaDetails song;
    song.container = "mp3";
    song.audioCodec = "mp3";
    song.sampleRate = 44100;
    song.channels = 2;
    song.audioBitrate = 320000;
    song.bitrate = 321400;
    song.title = utf8("海");
    song.artist = utf8("星鲸");
    song.album = utf8("声海");
    fake.engine.addMedia("/m/song.mp3", 185.7, song);
    MediaDetails film;
    film.container = "mov,mp4,m4a,3gp,3g2,mj2";
    film.videoCodec = "h264";
    film.width = 1280;
    film.height = 720;
    film.frameRate = 23.976;
    film.videoBitrate = 1000000;
    film.audioCodec = "aac";
    film.sampleRate = 48000;
    film.channels = 1;
    film.audioBitrate = 128000;
    film.bitrate = 1130000;
    fake.engine.addMedia("/m/film.mp4", 3725, film);
    start("/m/film.mp4\r\n/m/song.mp3\r\n");
    play(1);
    fake.engine.advance(1);
    EXPECT_FALSE(part("InfoPane")->isVisible());

    // As the information menu item does for audio: the display on, the control higher.
    front->forward([this] {
        Form1& p = form->form1();
        form->MNUMIANBAN.Checked = true;
        p.MediaPlayer1.setShowDisplay(true);
        p.Form_Resize();
    });
    ASSERT_TRUE(part("InfoPane")->isVisible());
    EXPECT_EQ(paneLines(),
              QStringList({utf8("文件：song.mp3"), utf8("格式：mp3"), utf8("时长：3:05"),
                           utf8("音频编码：mp3，320 kbps"), utf8("采样率：44100 Hz"),
                           utf8("声道：立体声"), utf8("码率：321 kbps"), utf8("标题：海"),
                           utf8("艺术家：星鲸"), utf8("专辑：声海")}));
    // The whole control: the display over the bar, the bar along the bottom.
    const QRect control = part("MediaPlayer1")->rect();
    EXPECT_EQ(inControl("InfoPane").top(), 0);
    EXPECT_EQ(inControl("InfoPane").bottom() + 1, inControl("ControlBar").top());
    EXPECT_EQ(inControl("ControlBar").bottom(), control.bottom());
    EXPECT_EQ(inControl("ControlBar").width(), control.width());
    EXPECT_TRUE(linesInsidePane());

    // What the engine learns later shows without any event of the model's.
    fake.engine.mediaDetails["/m/song.mp3"].title = utf8("鲸歌");
    EXPECT_TRUE(QTest::qWaitFor([this] { return paneLines().contains(utf8("标题：鲸歌")); }));

    // The next entry is a video: its details, in a box at the picture's top right.
    play(0);
    ASSERT_TRUE(part("InfoPane")->isVisible());
    const QStringList lines = paneLines();
    EXPECT_EQ(lines.first(), utf8("文件：film.mp4"));
    for (const char* line :
         {"时长：1:02:05", "视频编码：h264，1000 kbps", "画面尺寸：1280×720", "帧率：23.976 fps",
          "音频编码：aac，128 kbps", "采样率：48000 Hz", "声道：单声道", "码率：1130 kbps"})
        EXPECT_TRUE(lines.contains(utf8(line))) << line;
    EXPECT_FALSE(lines.join(' ').contains(utf8("标题")));
    const QRect box = inControl("InfoPane");
    EXPECT_GT(box.left(), 0);
    EXPECT_LT(box.bottom(), inControl("ControlBar").top());
    EXPECT_GT(box.right(), control.width() * 3 / 4);
    EXPECT_TRUE(linesInsidePane());

    // Off again: the display is gone.
    front->forward([this] { form->form1().MediaPlayer1.setShowDisplay(false); });
    EXPECT_FALSE(part("InfoPane")->isVisible());
}

TEST_F(PlayerControlTest, TheBarFollowsPlaybackAndAClickSeeksWhereItLands) {
    MediaDetails tagged;
    tagged.title = utf8("第一首");
    fake.engine.addMedia("/m/a.mp3", 100, tagged);
    fake.engine.addMedia("/m/b.mp3", 100);
    start("/m/a.mp3\r\n/m/b.mp3\r\n");
    play(1);
    auto* slider = part<QSlider>("BarPosition");
    ASSERT_NE(slider, nullptr);
    // The audio strip is the bar.
    EXPECT_TRUE(slider->isVisible());
    EXPECT_EQ(inControl("ControlBar"), part("MediaPlayer1")->rect());
    EXPECT_EQ(part<QLabel>("BarTitle")->text(), "b.mp3");
    EXPECT_FALSE(part("BarSpeed")->isVisible());

    // Playback moves on between the model's events; the bar follows.
    fake.engine.advance(30000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return slider->value() == 30; }));
    EXPECT_EQ(part<QLabel>("BarElapsed")->text(), "0:30");
    EXPECT_EQ(part<QLabel>("BarTotal")->text(), "1:40");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(slider);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->valueInterface(), nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), utf8("播放位置"));
    EXPECT_EQ(a->valueInterface()->currentValue().toInt(), 30);
    EXPECT_EQ(a->valueInterface()->maximumValue().toInt(), 100);

    // A click on the groove, right of the handle: playback goes there in one seek.
    fake.engine.calls.clear();
    QTest::mouseClick(slider, Qt::LeftButton, {},
                      QPoint(slider->width() * 7 / 10, slider->height() / 2));
    EXPECT_NEAR(fake.engine.pos, 70, 3);
    EXPECT_EQ(fake.engine.calls.filter("position").size(), 1);
    EXPECT_EQ(slider->value(), static_cast<int>(fake.engine.pos));
    EXPECT_TRUE(part<QLabel>("BarElapsed")->text().startsWith("1:")); // past the minute

    // At the very left it is the start, never the 0 that ends an entry; paused stays paused.
    front->forward([this] { form->Command12_Click(); });
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(1, slider->height() / 2));
    EXPECT_EQ(fake.engine.pos, 0.05);
    EXPECT_FALSE(fake.engine.playing());

    // As a voice-control tool sets a slider's value.
    a->valueInterface()->setCurrentValue(20);
    EXPECT_EQ(fake.engine.pos, 20);

    // A speed other than normal shows; the title tag names the entry.
    front->forward([this] { form->Command27_Click(); });
    EXPECT_TRUE(part("BarSpeed")->isVisible());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(part("BarSpeed"))->text(QAccessible::Name),
              utf8("1.1×"));
    play(0);
    EXPECT_EQ(part<QLabel>("BarTitle")->text(), utf8("第一首"));
}

TEST_F(PlayerControlTest, KeysAndADoubleClickOnThePictureReachThePlayerWindow) {
    fake.engine.addMedia("/m/film.avi", 600);
    start("/m/film.avi\r\n", true);
    play(0);
    fake.engine.advance(20000);
    ASSERT_TRUE(fake.engine.playing());

    QTest::keyClick(&player(), Qt::Key_Space);
    EXPECT_FALSE(fake.engine.playing());
    QTest::keyClick(&player(), Qt::Key_Space);
    EXPECT_TRUE(fake.engine.playing());
    QTest::keyClick(&player(), Qt::Key_Right);
    EXPECT_NEAR(fake.engine.pos, 25, 1e-9);
    QTest::keyClick(&player(), Qt::Key_Left);
    QTest::keyClick(&player(), Qt::Key_Left);
    EXPECT_NEAR(fake.engine.pos, 15, 1e-9);

    QTest::keyClick(&player(), Qt::Key_F);
    EXPECT_TRUE(player().windowState().testFlag(Qt::WindowFullScreen));
    QTest::keyClick(&player(), Qt::Key_Escape);
    EXPECT_FALSE(player().windowState().testFlag(Qt::WindowFullScreen));

    ASSERT_NE(picture, nullptr);
    ASSERT_TRUE(picture->isVisible());
    QTest::mouseDClick(picture, Qt::LeftButton);
    EXPECT_TRUE(player().windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_TRUE(form->form1().FullScreen());
    QTest::mouseDClick(picture, Qt::LeftButton);
    EXPECT_FALSE(player().windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_FALSE(form->form1().FullScreen());
}

} // namespace
} // namespace xj
