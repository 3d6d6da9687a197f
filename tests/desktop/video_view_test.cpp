#include "desktop/opengl_ahead.h"
#include "desktop/video_view.h"
#include "platform/mpv_engine.h"
#include "support/media_files.h"

#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QOpenGLContext>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace xj {
namespace {

bool waitUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
    return QTest::qWaitFor(done, timeoutMs);
}

// What the screen shows of the view's window: what was last painted, not a fresh rendering.
QImage onScreen(QWidget& view) {
    return view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

int countPixels(QWidget& view, const std::function<bool(QRgb)>& matches) {
    const QImage image = onScreen(view);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (matches(image.pixel(x, y))) ++count;
    return count;
}

// Pixels clearly brighter than black.
int litPixels(QWidget& view) {
    return countPixels(view, [](QRgb pixel) { return qGray(pixel) > 40; });
}

int redPixels(QWidget& view) {
    return countPixels(view, [](QRgb pixel) {
        return qRed(pixel) > 160 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
    });
}

int bluePixels(QWidget& view) {
    return countPixels(view, [](QRgb pixel) {
        return qBlue(pixel) > 160 && qRed(pixel) < 80 && qGreen(pixel) < 80;
    });
}

QString solidPicture(const QString& dir, const QString& name, Qt::GlobalColor colour) {
    QImage picture(160, 120, QImage::Format_RGB32);
    picture.fill(colour);
    const QString path = dir + "/" + name;
    return picture.save(path) ? path : QString();
}

MpvOptions quietOptions(const QString& videoOutput) {
    MpvOptions options;
    options.audioOutput = "null";
    options.videoOutput = videoOutput;
    options.loadTimeoutMs = 10000;
    return options;
}

// The native window inside a view that its picture is drawn into, if there is one.
QWindow* pictureWindow() {
    for (QWindow* window : QGuiApplication::allWindows())
        if (window->parent() && window->surfaceType() == QSurface::OpenGLSurface &&
            window->isVisible())
            return window;
    return nullptr;
}

// Holds a view as the player window does, and notes the keys and double clicks that reach it.
class Holder : public QWidget {
public:
    std::vector<int> keys;
    int doubleClicks = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) ++doubleClicks;
        return false;
    }
};

class VideoViewTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    std::unique_ptr<VideoView> shownView(MpvEngine& engine) {
        std::unique_ptr<VideoView> view(createVideoView(engine));
        view->resize(160, 120);
        view->show();
        return view;
    }

    QTemporaryDir dir_;
};

TEST_F(VideoViewTest, TheViewShowsTheVideoOnBlack) {
    MpvEngine engine(quietOptions("libmpv"));
    auto view = shownView(engine);
    // Offscreen there is no OpenGL; under a display (xvfb-run) the same tests drive the GL view.
    EXPECT_EQ(view->usesOpenGL(), QGuiApplication::platformName() != "offscreen");
    EXPECT_EQ(litPixels(*view), 0);

    engine.setFileName(test::makeVideo(dir_.path(), "clip.avi", 5.0));
    EXPECT_TRUE(waitUntil([&] { return litPixels(*view) > 1000; }));

    engine.close();
    EXPECT_TRUE(waitUntil([&] { return litPixels(*view) == 0; }));

    engine.setFileName(test::makePicture(dir_.path(), "pattern.png"));
    EXPECT_TRUE(waitUntil([&] { return litPixels(*view) > 1000; }));
}

TEST_F(VideoViewTest, AFileWithoutVideoNeverShowsThePreviousPicture) {
    MpvEngine engine(quietOptions("libmpv,null"));
    auto view = shownView(engine);
    const QString red = test::makeSolidVideo(dir_.path(), "red.mkv", "red", 10.0);
    const QString tone = test::makeTone(dir_.path(), "tone.flac", 10.0);
    const QString song = test::makeTone(dir_.path(), "song.ogg", 10.0);

    for (const QString& sound : {tone, song}) {
        engine.setFileName(red);
        ASSERT_TRUE(waitUntil([&] { return redPixels(*view) > 1000; }));
        engine.setFileName(sound);
        ASSERT_TRUE(waitUntil([&] { return engine.position() > 0.3; }));
        EXPECT_EQ(redPixels(*view), 0) << sound.toStdString();
        EXPECT_EQ(litPixels(*view), 0) << sound.toStdString();
    }

    // The next video shows again, and so does a picture after a sound.
    engine.setFileName(red);
    EXPECT_TRUE(waitUntil([&] { return redPixels(*view) > 1000; }));
    engine.setFileName(tone);
    engine.setFileName(test::makePicture(dir_.path(), "pattern.png"));
    EXPECT_TRUE(waitUntil([&] { return litPixels(*view) > 1000; }));
}

TEST_F(VideoViewTest, EveryPictureOfASlideshowIsShownThoughTheWindowWasBusyAsItCame) {
    MpvEngine engine(quietOptions("libmpv,null"));
    auto view = shownView(engine);
    const QString red = solidPicture(dir_.path(), "red.png", Qt::red);
    const QString blue = solidPicture(dir_.path(), "blue.png", Qt::blue);
    ASSERT_FALSE(red.isEmpty() || blue.isEmpty());

    for (int slide = 0; slide < 6; ++slide) {
        const bool isRed = slide % 2 == 0;
        engine.setFileName(isRed ? red : blue);
        // The window draws what it has at once, then is busy for longer than mpv waits for a
        // new frame to be drawn (as while the next entry loads): mpv gives up on the frame.
        QCoreApplication::processEvents();
        QThread::msleep(600);
        EXPECT_TRUE(waitUntil([&] {
            return (isRed ? redPixels(*view) : bluePixels(*view)) > 1000;
        })) << "slide "
            << slide << (isRed ? " red" : " blue");
    }
}

TEST_F(VideoViewTest, AFileOpenedBeforeTheViewReachesItOnceTheViewExists) {
    MpvEngine engine(quietOptions("libmpv,null"));
    // No sound: without the null fallback it could not even open.
    engine.setFileName(test::makeVideo(dir_.path(), "silent.avi", 5.0, false));
    EXPECT_TRUE(waitUntil([&] { return engine.position() > 0.2; }));

    auto view = shownView(engine);
    EXPECT_TRUE(waitUntil([&] { return litPixels(*view) > 1000; }));
}

// The program opens a file named on its command line before its window is first shown: the
// video must go to the view from the start, not to the null output and then again to the view
// (which would start the sound before the picture).
TEST_F(VideoViewTest, AFileOpenedBeforeTheViewIsShownGoesStraightToIt) {
    MpvEngine engine(quietOptions("libmpv,null"));
    std::unique_ptr<VideoView> view(createVideoView(engine));
    view->resize(160, 120);
    const QString red = test::makeSolidVideo(dir_.path(), "red.mkv", "red", 10.0);
    engine.setFileName(red);
    // Once the file has played a moment its video output is settled.
    ASSERT_TRUE(waitUntil([&] { return engine.position() > 0.3; }));
    const mpv::String output(mpv_get_property_string(engine.handle(), "current-vo"));
    ASSERT_TRUE(output);
    EXPECT_STREQ(output.get(), "libmpv");

    view->show();
    EXPECT_TRUE(waitUntil([&] { return redPixels(*view) > 1000; }));
}

// A start with a film makes its OpenGL context on another thread while the windows are built;
// the view takes it over and draws with it.
TEST_F(VideoViewTest, AContextMadeAheadDrawsThePicture) {
    if (QGuiApplication::platformName() == "offscreen") GTEST_SKIP() << "no OpenGL offscreen";
    openglahead::start();
    MpvEngine engine(quietOptions("libmpv,null"));
    std::unique_ptr<VideoView> view(createVideoView(engine));
    view->resize(160, 120);
    view->show();
    ASSERT_TRUE(view->usesOpenGL());
    EXPECT_EQ(openglahead::take(), nullptr) << "the view did not take the context made ahead";
    engine.setFileName(test::makeSolidVideo(dir_.path(), "red.mkv", "red", 10.0));
    EXPECT_TRUE(waitUntil([&] { return redPixels(*view) > 1000; }));
}

// The player window lays the speed and the media's details over the picture: they must be
// seen over a playing video.
TEST_F(VideoViewTest, AWidgetKeptAboveThePictureIsSeenOverIt) {
    MpvEngine engine(quietOptions("libmpv,null"));
    QWidget holder;
    holder.resize(160, 120);
    VideoView* view = createVideoView(engine, &holder);
    view->setGeometry(0, 0, 160, 120);
    auto* badge = new QWidget(&holder);
    badge->setGeometry(40, 30, 80, 60);
    QPalette blue = badge->palette();
    blue.setColor(QPalette::Window, Qt::blue);
    badge->setPalette(blue);
    badge->setAutoFillBackground(true);
    view->keepAbove(badge);
    holder.show();

    engine.setFileName(test::makeSolidVideo(dir_.path(), "red.mkv", "red", 10.0));
    ASSERT_TRUE(waitUntil([&] { return redPixels(holder) > 5000; }));
    EXPECT_TRUE(waitUntil([&] { return bluePixels(holder) > 4000; })) << bluePixels(holder);
}

// Sound and picture start together: a video opened while the view's window is still to appear
// waits at its start for it (a moment at most), though it reads as playing, then plays on.
TEST_F(VideoViewTest, AVideoWaitsAtItsStartForTheViewToAppear) {
    if (QGuiApplication::platformName() == "offscreen") GTEST_SKIP() << "no OpenGL offscreen";
    MpvEngine engine(quietOptions("libmpv,null"));
    std::unique_ptr<VideoView> view(createVideoView(engine));
    view->resize(160, 120);
    engine.setFileName(test::makeVideo(dir_.path(), "clip.avi", 5.0));
    EXPECT_EQ(engine.state(), PlaybackState::Playing);
    int held = 0;
    ASSERT_GE(mpv_get_property(engine.handle(), "pause", MPV_FORMAT_FLAG, &held), 0);
    EXPECT_EQ(held, 1);

    view->show();
    EXPECT_TRUE(waitUntil([&] { return litPixels(*view) > 1000; }));
    EXPECT_TRUE(waitUntil([&] { return engine.position() > 0.3; }));
    ASSERT_GE(mpv_get_property(engine.handle(), "pause", MPV_FORMAT_FLAG, &held), 0);
    EXPECT_EQ(held, 0);
}

TEST_F(VideoViewTest, EitherTheViewOrTheEngineMayGoFirst) {
    auto engine = std::make_unique<MpvEngine>(quietOptions("libmpv,null"));
    auto view = shownView(*engine);
    engine->setFileName(test::makeVideo(dir_.path(), "clip.avi", 5.0));
    ASSERT_TRUE(waitUntil([&] { return litPixels(*view) > 1000; }));

    engine.reset();
    EXPECT_TRUE(waitUntil([&] { return litPixels(*view) == 0; }));

    // The usual order: the window and its view go, the engine plays on without them.
    engine = std::make_unique<MpvEngine>(quietOptions("libmpv,null"));
    view = shownView(*engine);
    engine->setFileName(test::makeVideo(dir_.path(), "clip.mpg", 5.0));
    ASSERT_TRUE(waitUntil([&] { return litPixels(*view) > 1000; }));
    view.reset();
    const double before = engine->position();
    EXPECT_TRUE(waitUntil([&] { return engine->position() > before + 0.2; }));
}

// Under a display the picture has a window of its own inside the view: a click, a double click
// or a key on it must still reach the view and the window around it.
TEST_F(VideoViewTest, ClicksAndKeysOnThePictureReachTheWindowAroundIt) {
    if (QGuiApplication::platformName() == "offscreen") GTEST_SKIP() << "no OpenGL offscreen";
    MpvEngine engine(quietOptions("null"));
    Holder holder;
    holder.resize(160, 120);
    VideoView* view = createVideoView(engine, &holder);
    view->setGeometry(0, 0, 160, 120);
    view->installEventFilter(&holder);
    holder.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&holder));
    QWindow* picture = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (picture = pictureWindow()) != nullptr; }));
    QSignalSpy presses(view, &VideoView::mousePressed);

    QTest::mousePress(picture, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
    ASSERT_EQ(presses.count(), 1);
    const QList<QVariant> right{2, 1, 150, 300};
    EXPECT_EQ(presses.at(0), right);
    QTest::mouseRelease(picture, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));

    QTest::mouseDClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_EQ(holder.doubleClicks, 1);

    QTest::keyClick(picture, Qt::Key_Space);
    QTest::keyClick(picture, Qt::Key_F);
    EXPECT_EQ(holder.keys, (std::vector<int>{Qt::Key_Space, Qt::Key_F}));
}

TEST_F(VideoViewTest, MousePressesArriveAsButtonShiftAndTwips) {
    MpvEngine engine(quietOptions("null"));
    auto view = shownView(engine);
    QSignalSpy presses(view.get(), &VideoView::mousePressed);

    QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));
    QTest::mousePress(view.get(), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier,
                      QPoint(3, 4));
    QTest::mousePress(view.get(), Qt::MiddleButton, Qt::AltModifier, QPoint(0, 119));

    ASSERT_EQ(presses.count(), 3);
    const QList<QVariant> left{1, 0, 150, 300};
    const QList<QVariant> right{2, 3, 45, 60};
    const QList<QVariant> middle{4, 4, 0, 1785};
    EXPECT_EQ(presses.at(0), left);
    EXPECT_EQ(presses.at(1), right);
    EXPECT_EQ(presses.at(2), middle);
}

} // namespace
} // namespace xj
