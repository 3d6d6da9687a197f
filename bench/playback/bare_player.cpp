// The least a Qt program that plays through libmpv does before its first sound: the
// application object, one window, and the file handed to libmpv. Started beside the program
// and mpv, it shows what Qt itself adds to mpv's start.
//
//   bare_player FILE
#include <QApplication>
#include <QWidget>

#include <mpv/client.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    mpv_handle* mpv = mpv_create();
    if (!mpv) return 1;
    mpv_set_option_string(mpv, "config", "no");
    mpv_set_option_string(mpv, "terminal", "no");
    mpv_set_option_string(mpv, "video", "no");
    if (mpv_initialize(mpv) < 0) return 1;
    QWidget window;
    window.resize(320, 200);
    window.show();
    const char* load[] = {"loadfile", argv[1], nullptr};
    mpv_command_async(mpv, 0, load);
    const int code = QApplication::exec();
    mpv_terminate_destroy(mpv);
    return code;
}
