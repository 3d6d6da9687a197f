#include "core/form2.h"
#include "core/startup.h"
#include "desktop/fonts_ahead.h"
#include "desktop/front_end.h"
#include "desktop/mpris.h"
#include "desktop/opengl_ahead.h"
#include "desktop/panel_view.h"
#include "desktop/qt_platform.h"
#include "desktop/video_view.h"
#include "platform/alsa_mixer.h"
#include "platform/folder_lister.h"
#include "platform/mpv_engine.h"
#include "platform/system.h"
#include "platform/system_drives.h"
#include "playlist/media_types.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>

int main(int argc, char** argv) {
    // Once a large block is freed glibc raises its threshold for mapping blocks on their own,
    // so later decoded frames and textures come from the arenas, whose freed space stays
    // resident (tens of MiB while a film plays). A fixed threshold returns them on free.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    std::future<void> fonts = xj::loadFontsAhead();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xingjing"));
    // Ties the windows to the menu entry and its icon (Wayland matches them by this name).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.xingjing"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.xingjing")));
    // A picture to show at start: its OpenGL loads while the windows are built.
    const QString commandLine = xj::shellCommandLine(app.arguments().mid(1));
    const QString startFile = xj::commandLinePath(commandLine);
    if (!startFile.isEmpty() && !xj::mediatypes::isCommonAudio(startFile) &&
        QGuiApplication::platformName() != QLatin1String("offscreen"))
        xj::openglahead::start();
    // The program decides when it ends, not the last window closing.
    app.setQuitOnLastWindowClosed(false);

    // The interface is Chinese, so Qt's own buttons are too.
    QTranslator qtChinese;
    if (qtChinese.load(QStringLiteral("qtbase_zh_CN"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtChinese);

    // After the application object: the engine queues its notifications to this thread. Its
    // defaults suit the program: audio falls back to null, video goes to the view.
    xj::MpvEngine engine{xj::MpvOptions()};

    xj::LockFileInstance instance;
    xj::SystemClock clock;
    xj::EventLoopExit exit;
    xj::QtMessageBoxes messages;
    xj::DesktopShell shell;
    xj::DesktopFlash flash;
    xj::QtFileDialog fileDialog;
    xj::SystemDrives drives;
    xj::PosixFolderLister folders(&xj::mediatypes::matches);
    xj::QtSearchProgress progress;
    xj::AlsaMixer mixer;
    mixer.openAhead();
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QString programFolder = xj::programFolder(executableFolder);
    const QString sharedFolder = xj::sharedFolder(executableFolder);
    // When the program folder is another, the executable's files are read until it has its own;
    // an installed program's bin/ never holds them.
    const QString fallbackFolder =
        programFolder == QDir::toNativeSeparators(executableFolder) || !sharedFolder.isEmpty()
            ? QString()
            : executableFolder;
    xj::Platform platform{.media = engine,
                          .messages = messages,
                          .instance = instance,
                          .clock = clock,
                          .shell = shell,
                          .flash = flash,
                          .exit = exit,
                          .fileDialog = fileDialog,
                          .drives = drives,
                          .folders = folders,
                          .progress = progress,
                          .mixer = mixer,
                          .programFolder = programFolder,
                          .commandLine = commandLine,
                          .executableFolder = fallbackFolder,
                          .sharedFolder = sharedFolder};

    xj::Form2 form(platform);
    fonts.wait();
    // Declared after the engine, so the views (and the video's render context) go first.
    xj::FrontEnd front(form,
                       [&engine](QWidget* parent) { return xj::createVideoView(engine, parent); });
    messages.setParentWidget(&front.panel());
    fileDialog.setParentWidget(&front.panel());
    progress.setParentWidget(&front.panel());
    flash.setWindows([&front](const xj::Window& w) { return front.widgetOf(w); });
    flash.setRefresh([&front] { front.sync(); });
    instance.setReceiver([&front, &form](const QString& path) {
        front.forward([&form, &path] { form.handedOverFile.take(path); });
    });

    front.start();
    if (form.ended()) return 0;
    // Media keys and desktop players; without a session bus the program runs as before.
    xj::Mpris mpris(front);
    mpris.registerOn(QDBusConnection::sessionBus());
    const int code = app.exec();
    // What outlives the run is on disk before the loop ends: the playlist file is written and
    // renamed into place. Freeing a full playlist entry by entry, its widgets and the engine
    // would only keep the user waiting after the Yes; the system takes the process whole. The
    // next start takes over the lock this run leaves, as it does after a crash.
    std::fflush(nullptr);
    std::_Exit(code);
}
