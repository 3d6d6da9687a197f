#pragma once

#include <QString>

namespace xj {

class Form2;

// Bringing the program up and taking it down.
class Startup {
public:
    static constexpr int StartHeight = 2325;
    static constexpr int StartWidth = 5010;
    static constexpr int StartListHeight = 1320;
    static constexpr int FixedHeight = 1005;

    explicit Startup(Form2& f) : f_(f) {}

    // Playlist file, XP option (or the first-run question), count caption; the first touch of
    // the panel runs its load.
    void initialize();
    // Menu bar, menu pictures, single instance, size, mixer, command-line file.
    void load();
    // Player window first; then the save question when the playlist changed.
    void unload();

private:
    void ensureLoaded();
    void pictureMenus();
    void openCommandLineFile();
    Form2& f_;
};

// The path a command line names: the shell wraps it in quotes, so the first and last
// characters go. Empty when the line is three characters or fewer.
QString commandLinePath(const QString& commandLine);

} // namespace xj
