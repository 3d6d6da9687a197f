#pragma once

namespace xj {

class Form2;

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
