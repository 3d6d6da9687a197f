#pragma once

#include "form/file_controls.h"
#include "ports/media_engine.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace xj {

class Window;

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Information, Exclamation, Critical };
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
    // Gives a file to the earlier instance, which plays it; nothing happens when none listens.
    virtual void handOver(const QString& path) = 0;
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

// The common file-open dialog: the chosen file's full path, empty when cancelled. The filter
// is "label|masks|label|masks...".
class FileDialog {
public:
    virtual ~FileDialog() = default;
    virtual QString showOpen(const QString& filter) = 0;
};

class Drives {
public:
    virtual ~Drives() = default;
    virtual std::vector<DriveInfo> list() = 0;
    // The process's current folder.
    virtual QString currentFolder() = 0;
};

// Lists a folder. Hidden names (starting with ".") and links are left out; names come sorted
// without regard to case. A folder that cannot be read fails with 71 (not ready).
class FolderLister {
public:
    virtual ~FolderLister() = default;
    // Immediate subfolders as full paths.
    virtual QStringList subfolders(const QString& folder) = 0;
    // Names of the regular files that match one of the masks (case ignored).
    virtual QStringList files(const QString& folder, const QStringList& masks) = 0;
    // Both of the above from one reading of the folder, for walks over whole disks.
    struct Listing {
        QStringList subfolders;
        QStringList files;
    };
    virtual Listing list(const QString& folder, const QStringList& masks) {
        return {subfolders(folder), files(folder, masks)};
    }
};

// Shows a long walk's progress and lets the user stop it.
class SearchProgress {
public:
    virtual ~SearchProgress() = default;
    virtual void begin() = 0;
    // The walk reached a folder with `found` files so far; false when the user cancelled.
    virtual bool step(const QString& folder, int found) = 0;
    virtual void end() = 0;
};

// The lines of the sound mixer whose volume the program sets.
enum class MixerLine { Speakers, Microphone };

// A line's volume control: its bounds and, when it was found, its volume then.
struct MixerControl {
    qint32 minimum = 0;
    qint32 maximum = 0;
    qint32 value = 0;
};

// The system's sound mixer (the default card), opened once and kept until the program ends.
class MixerDevice {
public:
    virtual ~MixerDevice() = default;
    // 0 when it opened, else an error number.
    virtual int open() = 0;
    // The line's volume control; nothing when the mixer is not open or has no such control.
    virtual std::optional<MixerControl> findControl(MixerLine line) = 0;
    // Writes the volume to every channel of the line's control, held within its bounds; false
    // when that failed.
    virtual bool setControlValue(MixerLine line, qint32 value) = 0;
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
    FileDialog& fileDialog;
    Drives& drives;
    FolderLister& folders;
    SearchProgress& progress;
    MixerDevice& mixer;
    QString programFolder; // where xjge.txt, xp.txt and readme.txt live
    QString commandLine;   // as the shell hands it over, quotes included; empty for none
    // The executable's folder when programFolder is another (the executable's could not be
    // written): its xjge.txt and xp.txt are read while programFolder has none. Empty for none.
    QString executableFolder;
    // Where an installed program's shipped files (readme.txt) are; empty for a program run
    // from its own folder.
    QString sharedFolder{};
};

} // namespace xj
