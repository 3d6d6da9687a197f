#pragma once

#include "platform/media_engine.h"

#include <QString>

namespace xj {

class Window;

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Information, Exclamation };
enum class MsgResult { Ok, Yes, No };

// Modal message boxes; questions answer Yes or No, notices Ok.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MsgResult show(const QString& text, const QString& title, MsgButtons buttons,
                           MsgIcon icon) = 0;
};

// Whether an earlier instance of the program is running.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    virtual bool anotherRunning() = 0;
};

// The time of day as the system writes it ("hh:mm:ss").
class Clock {
public:
    virtual ~Clock() = default;
    virtual QString timeOfDay() = 0;
};

// Opens a document with the program the desktop associates with it.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const QString& path) = 0;
};

// Draws the user's attention to a window by flashing its title bar.
class WindowFlash {
public:
    virtual ~WindowFlash() = default;
    virtual void flash(Window& window, bool invert) = 0;
};

// Ends the program at once: no further unload steps run.
class ProgramExit {
public:
    virtual ~ProgramExit() = default;
    virtual void end() = 0;
};

// Everything the window model needs from the system it runs on.
struct Platform {
    MediaEngine& media;
    MessageBoxes& messages;
    InstanceLock& instance;
    Clock& clock;
    Shell& shell;
    WindowFlash& flash;
    ProgramExit& exit;
    QString programFolder; // where xjge.txt, xp.txt and readme.txt live
    QString commandLine;   // as the shell hands it over, quotes included; empty for none
};

} // namespace xj
