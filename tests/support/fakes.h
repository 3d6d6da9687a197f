#pragma once

#include "ports/platform.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace xj::test {

// A media engine that plays in virtual time, refusing what the libmpv engine refuses: known
// files play for their duration and then read position 0; pictures stay shown, their position
// counting the seconds on screen; unknown files fail to load with -13, unplayable ones with -17.
class FakeEngine : public MediaEngine {
public:
    void addMedia(const QString& path, double seconds) { media[path] = seconds; }
    void addPicture(const QString& path) { pictures.insert(path); }
    void addUnplayable(const QString& path) { unplayable.insert(path); }

    void setFileName(const QString& path) override;
    QString fileName() const override { return file; }
    double position() override;
    void setPosition(double seconds) override;
    double rate() override { return speed; }
    void setRate(double r) override;
    double duration() override;
    bool showDisplay() const override { return display; }
    void setShowDisplay(bool on) override { display = on; }
    void setSwitch1018(bool on) override { switch1018 = on; }
    void play() override;
    void pause() override;
    void stop() override;
    void close() override;
    void setListener(MediaListener* l) override { listener = l; }

    // Moves playback on by ms of virtual time.
    void advance(int ms);
    bool playing() const { return loaded && !paused; }

    std::map<QString, double> media; // playable files and their durations
    std::set<QString> pictures;      // still pictures: shown until replaced
    std::set<QString> unplayable;    // files whose content is not media
    QString file;
    double pos = 0;
    double speed = 1.0;
    double length = -1; // the open file's duration, kept after its end
    bool loaded = false;
    bool paused = false;
    bool display = false;
    bool switch1018 = false;
    bool durationPending = false; // told to the listener when time next passes
    int loads = 0;                // file names written, and files started again by play
    QStringList calls;
    MediaListener* listener = nullptr;

    // A playable file that describes itself with `info` (its duration is filled in).
    void addMedia(const QString& path, double seconds, const MediaDetails& info) {
        media[path] = seconds;
        mediaDetails[path] = info;
    }
    PlaybackState state() override;
    MediaDetails details() override;
    std::map<QString, MediaDetails> mediaDetails;

    int refusals = 0; // calls that failed, as the real engine's fail
    // As a new process finds it: nothing open, normal speed. The media known stay known.
    void reset();

private:
    void load();

    // Tells the listener the state a call ended in, when it changed, failed calls included.
    struct StateNotice {
        FakeEngine& engine;
        ~StateNotice();
    };
    PlaybackState heardState = PlaybackState::Empty;
};

struct ShownMessage {
    QString text;
    QString title;
    MsgButtons buttons;
    MsgIcon icon;
};

// Message boxes that answer from a queue (Yes when it is empty) and remember what they showed.
class FakeMessages : public MessageBoxes {
public:
    MsgResult show(const QString& text, const QString& title, MsgButtons buttons,
                   MsgIcon icon) override;
    std::deque<MsgResult> answers;
    std::vector<ShownMessage> shown;
    std::function<void(const ShownMessage&)> onShow; // runs while the box is "open"
};

class FakeInstance : public InstanceLock {
public:
    bool anotherRunning() override { return another; }
    // The earlier instance takes only what is handed over while it runs.
    void handOver(const QString& path) override {
        if (another) handedOver << path;
    }
    bool another = false;
    QStringList handedOver;
};

class FakeClock : public Clock {
public:
    QString timeOfDay() override { return time; }
    QString time = QStringLiteral("12:00:00");
};

class FakeShell : public Shell {
public:
    void open(const QString& path) override { opened << path; }
    QStringList opened;
};

class FakeFlash : public WindowFlash {
public:
    void flash(Window&, bool) override { ++count; }
    int count = 0;
};

class FakeExit : public ProgramExit {
public:
    void end() override { ++ends; }
    int ends = 0;
};

class FakeFileDialog : public FileDialog {
public:
    QString showOpen(const QString& f) override {
        filters << f;
        return answer;
    }
    QString answer;
    QStringList filters;
};

// Drives over folders of the test's choosing; the current folder is given too.
class FakeDrives : public Drives {
public:
    std::vector<DriveInfo> list() override { return drives; }
    QString currentFolder() override { return current; }
    std::vector<DriveInfo> drives;
    QString current;
};

class FakeProgress : public SearchProgress {
public:
    void begin() override { ++begun; }
    bool step(const QString& folder, int found) override {
        folders << folder;
        lastFound = found;
        return cancelAfter < 0 || folders.size() < cancelAfter;
    }
    void end() override { ++ended; }
    int begun = 0, ended = 0, lastFound = 0;
    int cancelAfter = -1; // the step that answers cancel
    QStringList folders;
};

// A mixer whose controls answer as the real one's do: nothing is found or written until it has
// opened; writes are held within the control's bounds.
class FakeMixer : public MixerDevice {
public:
    int open() override;
    std::optional<MixerControl> findControl(MixerLine line) override;
    bool setControlValue(MixerLine line, qint32 value) override;

    int openError = 0; // what open answers
    bool opened = false;
    std::map<MixerLine, MixerControl> controls{{MixerLine::Speakers, {0, 65535, 40000}},
                                               {MixerLine::Microphone, {0, 65535, 20000}}};
    std::vector<qint32> speakerWrites;
};

// The fakes, a temporary program folder and the platform made of them.
struct FakePlatform {
    FakePlatform();
    QString file(const QString& name) const; // a path in the program folder
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    bool exists(const QString& name) const;

    QTemporaryDir folder;
    FakeEngine engine;
    FakeMessages messages;
    FakeInstance instance;
    FakeClock clock;
    FakeShell shell;
    FakeFlash flash;
    FakeExit exit;
    FakeFileDialog fileDialog;
    FakeDrives drives;
    std::unique_ptr<FolderLister> folders; // the real lister: tests walk real temporary trees
    FakeProgress progress;
    FakeMixer mixer;
    Platform platform;
};

} // namespace xj::test
