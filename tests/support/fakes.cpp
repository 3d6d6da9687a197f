#include "support/fakes.h"

#include "form/failure.h"
#include "platform/folder_lister.h"
#include "playlist/media_types.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <utility>

namespace xj::test {

namespace {

// mpv's own numbers for a file it cannot open and one whose content it does not know.
constexpr int kLoadingFailed = -13;
constexpr int kUnknownFormat = -17;

// mpv's speed range.
constexpr double kSlowestRate = 0.01;
constexpr double kFastestRate = 100;

} // namespace

void FakeEngine::load() {
    ++loads;
    // Loading is instant here, but heard as the real engine's is.
    if (heardState != PlaybackState::Loading && listener) {
        heardState = PlaybackState::Loading;
        listener->stateChanged(heardState);
    }
    durationPending = false;
    loaded = false;
    pos = 0;
    length = -1;
    paused = false;
    if (unplayable.count(file)) {
        ++refusals;
        throw Failure(kUnknownFormat, "not media");
    }
    const bool picture = pictures.count(file) > 0;
    auto it = media.find(file);
    if (!picture && it == media.end()) {
        ++refusals;
        throw Failure(kLoadingFailed, "no such media");
    }
    loaded = true;
    length = picture ? 0 : it->second;
    // Heard from the event loop, never inside the call.
    durationPending = true;
}

void FakeEngine::setFileName(const QString& path) {
    const StateNotice notice{*this};
    calls << "file " + path;
    file = path;
    if (path.isEmpty()) {
        // No file: what played is closed, and nothing is loaded. The write still counts.
        ++loads;
        durationPending = false;
        loaded = false;
        pos = 0;
        length = -1;
        return;
    }
    load();
}

double FakeEngine::position() {
    return loaded ? pos : 0.0;
}

void FakeEngine::setPosition(double seconds) {
    calls << QStringLiteral("position %1").arg(seconds);
    if (!(seconds >= 0)) {
        ++refusals;
        throw Failure(err::InvalidValue);
    }
    if (loaded) pos = seconds;
    if (loaded && listener) listener->seeked(seconds);
}

void FakeEngine::setRate(double r) {
    if (!(r >= kSlowestRate && r <= kFastestRate)) {
        ++refusals;
        throw Failure(err::InvalidValue);
    }
    speed = r;
}

double FakeEngine::duration() {
    return length;
}

void FakeEngine::play() {
    const StateNotice notice{*this};
    calls << "play";
    if (file.isEmpty()) return;
    if (!loaded) {
        load();
        return;
    }
    paused = false;
}

void FakeEngine::pause() {
    const StateNotice notice{*this};
    calls << "pause";
    paused = true;
}

void FakeEngine::stop() {
    const StateNotice notice{*this};
    calls << "stop";
    paused = true;
    pos = 0;
    if (loaded && listener) listener->seeked(0);
}

void FakeEngine::close() {
    const StateNotice notice{*this};
    calls << "close";
    durationPending = false;
    loaded = false;
    pos = 0;
    length = -1;
}

void FakeEngine::advance(int ms) {
    const StateNotice notice{*this};
    if (std::exchange(durationPending, false) && listener) {
        listener->durationKnown();
        listener->detailsKnown();
    }
    if (!loaded) return;
    // A picture's position is the time it has been on screen, whatever the rate.
    if (pictures.count(file)) {
        if (!paused) pos += ms / 1000.0;
        return;
    }
    if (!paused) pos += ms / 1000.0 * speed;
    // Played to its end, or a seek went past it (paused too): the file unloads and the
    // position reads 0.
    if (pos >= length) {
        loaded = false;
        pos = 0;
        if (listener) listener->playbackEnded();
    }
}

void FakeEngine::reset() {
    file.clear();
    pos = 0;
    speed = 1.0;
    length = -1;
    loaded = false;
    paused = false;
    display = false;
    switch1018 = false;
    durationPending = false;
    heardState = PlaybackState::Empty;
    listener = nullptr;
}

PlaybackState FakeEngine::state() {
    if (file.isEmpty()) return PlaybackState::Empty;
    if (!loaded) return PlaybackState::Ended;
    return paused ? PlaybackState::Paused : PlaybackState::Playing;
}

MediaDetails FakeEngine::details() {
    if (!loaded) return {};
    auto it = mediaDetails.find(file);
    MediaDetails known = it != mediaDetails.end() ? it->second : MediaDetails();
    known.duration = duration();
    return known;
}

FakeEngine::StateNotice::~StateNotice() {
    const PlaybackState now = engine.state();
    if (now == engine.heardState) return;
    engine.heardState = now;
    if (engine.listener) engine.listener->stateChanged(now);
}

MsgResult FakeMessages::show(const QString& text, const QString& title, MsgButtons buttons,
                             MsgIcon icon) {
    shown.push_back({text, title, buttons, icon});
    if (onShow) onShow(shown.back());
    if (buttons == MsgButtons::Ok) return MsgResult::Ok;
    if (answers.empty()) return MsgResult::Yes;
    MsgResult answer = answers.front();
    answers.pop_front();
    return answer;
}

FakePlatform::FakePlatform()
    : folders(std::make_unique<PosixFolderLister>(&mediatypes::matches)),
      platform{.media = engine,
               .messages = messages,
               .instance = instance,
               .clock = clock,
               .shell = shell,
               .flash = flash,
               .exit = exit,
               .fileDialog = fileDialog,
               .drives = drives,
               .folders = *folders,
               .progress = progress,
               .mixer = mixer,
               .programFolder = folder.path(),
               .commandLine = {},
               .executableFolder = {},
               .sharedFolder = {}} {}

int FakeMixer::open() {
    opened = openError == 0;
    return openError;
}

std::optional<MixerControl> FakeMixer::findControl(MixerLine line) {
    auto it = controls.find(line);
    if (!opened || it == controls.end()) return std::nullopt;
    return it->second;
}

bool FakeMixer::setControlValue(MixerLine line, qint32 value) {
    auto it = controls.find(line);
    if (!opened || it == controls.end()) return false;
    it->second.value = std::clamp(value, it->second.minimum, it->second.maximum);
    if (line == MixerLine::Speakers) speakerWrites.push_back(it->second.value);
    return true;
}

QString FakePlatform::file(const QString& name) const {
    return QDir(folder.path()).filePath(name);
}

void FakePlatform::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QByteArray FakePlatform::readFile(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool FakePlatform::exists(const QString& name) const {
    return QFile::exists(file(name));
}

} // namespace xj::test
