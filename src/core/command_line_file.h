#pragma once

#include <QString>

namespace xj {

class Form2;

// How a named file became an entry of the playlist.
enum class NamedFile { Found, Added, ListFull };

// Finds the file in the playlist without regard to case, else inserts it at the top (the
// full list is reported); the entry becomes the highlighted one.
NamedFile takeNamedFile(Form2& f, const QString& path);

// Three seconds after load, the file named on the command line (carried in the panel's
// caption) becomes an entry of the playlist, highlighted; anything but audio is started again
// through the double-click action so that the player window fits it.
class CommandLineFile {
public:
    explicit CommandLineFile(Form2& f) : f_(f) {}

    void tick();

private:
    Form2& f_;
};

} // namespace xj
