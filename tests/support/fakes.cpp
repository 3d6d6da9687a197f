#include "support/fakes.h"

#include "form/failure.h"
#include "platform/folder_lister.h"
#include "playlist/media_types.h"

#include <QDir>
#include <QFile>

namespace xj::test {

void FakeEngine::load() {
    ++loads;
    // Loading is instant here, but heard as the real engine's is.
    if (heardState != PlaybackState::Loading && listener) {
        heardState = PlaybackState::Loading;
        listener->stateChanged(heardState);
    }
    auto it = media.find(file);
    if (it == media.end()) {
        loaded = false;
        pos = 0;
        throw Failure(-13, "no such media");
    }
    loaded = true;
    paused = false;
    pos = 0;
    if (listener) listener->durationKnown();
    if (listener) listener->detailsKnown();
}

void FakeEngine::setFileName(const QString& path) {
    const StateNotice notice{*this};
    calls << "file " + path;
    file = path;
    load();
}

double FakeEngine::position() {
    return loaded ? pos : 0.0;
}

void FakeEngine::setPosition(double seconds) {
    calls << QStringLiteral("position %1").arg(seconds);
    if (seconds < 0) throw Failure(err::InvalidValue);
    if (loaded) pos = seconds;
    if (loaded && listener) listener->seeked(seconds);
}

void FakeEngine::setRate(double r) {
    if (r <= 0 || r > 100) throw Failure(err::InvalidValue);
    speed = r;
}

double FakeEngine::duration() {
    auto it = media.find(file);
    return loaded && it != media.end() ? it->second : -1.0;
}

void FakeEngine::play() {
    const StateNotice notice{*this};
    calls << "play";
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
    loaded = false;
    pos = 0;
}

void FakeEngine::advance(int ms) {
    const StateNotice notice{*this};
    if (!playing()) return;
    pos += ms / 1000.0 * speed;
    if (pos >= duration()) {
        // Played to its end: the file unloads and the position reads 0.
        loaded = false;
        pos = 0;
        if (listener) listener->playbackEnded();
    }
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
               .programFolder = folder.path(),
               .commandLine = {},
               .executableFolder = {}} {}

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
