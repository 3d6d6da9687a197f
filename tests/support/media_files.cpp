#include "support/media_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace xj::test {

namespace {

QString runFfmpeg(const QString& dir, const QString& name, const QStringList& arguments) {
    const QString path = QDir(dir).filePath(name);
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    QStringList all{"-hide_banner", "-loglevel", "error", "-nostdin", "-y"};
    all << arguments << path;
    ffmpeg.start("ffmpeg", all);
    // Generous: the machine may be busy with other builds.
    const bool finished = ffmpeg.waitForStarted(10000) && ffmpeg.waitForFinished(60000);
    if (!finished || ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0 ||
        !QFileInfo(path).isFile())
        throw std::runtime_error("ffmpeg could not make " + path.toStdString() + ": " +
                                 ffmpeg.errorString().toStdString() + " " +
                                 ffmpeg.readAll().toStdString());
    return path;
}

QString toneSource(double seconds) {
    return QString("sine=frequency=440:sample_rate=44100:duration=%1").arg(seconds);
}

} // namespace

QString makeTone(const QString& dir, const QString& name, double seconds) {
    return runFfmpeg(dir, name, {"-f", "lavfi", "-i", toneSource(seconds)});
}

QString makeWav(const QString& dir, const QString& name, double seconds) {
    return runFfmpeg(dir, name,
                     {"-f", "lavfi", "-i", toneSource(seconds), "-c:a", "pcm_s16le", "-f", "wav"});
}

QString makeMp3(const QString& dir, const QString& name, double seconds) {
    return runFfmpeg(dir, name,
                     {"-f", "lavfi", "-i", toneSource(seconds), "-c:a", "libmp3lame", "-f", "mp3"});
}

QString makeVideo(const QString& dir, const QString& name, double seconds, bool withAudio) {
    QStringList arguments{"-f", "lavfi", "-i",
                          QString("testsrc=size=160x120:rate=25:duration=%1").arg(seconds)};
    if (withAudio)
        arguments << "-f"
                  << "lavfi"
                  << "-i" << toneSource(seconds);
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == "avi" || suffix == "mp4") {
        arguments << "-c:v"
                  << "mpeg4";
        if (withAudio) arguments << "-c:a" << (suffix == "avi" ? "pcm_s16le" : "aac");
    } else if (suffix == "mpg" || suffix == "mpeg") {
        arguments << "-c:v"
                  << "mpeg1video";
        if (withAudio)
            arguments << "-c:a"
                      << "mp2";
    }
    arguments << "-shortest";
    return runFfmpeg(dir, name, arguments);
}

QString makeH264Video(const QString& dir, const QString& name, double seconds, int width,
                      int height, int fps, int keyframeSeconds, const QString& preset) {
    const QString keyframes = QString::number(fps * keyframeSeconds);
    return runFfmpeg(dir, name,
                     {"-f",
                      "lavfi",
                      "-i",
                      QString("testsrc=size=%1x%2:rate=%3:duration=%4")
                          .arg(width)
                          .arg(height)
                          .arg(fps)
                          .arg(seconds),
                      "-f",
                      "lavfi",
                      "-i",
                      toneSource(seconds),
                      "-c:v",
                      "libx264",
                      "-preset",
                      preset,
                      "-pix_fmt",
                      "yuv420p",
                      "-g",
                      keyframes,
                      "-keyint_min",
                      keyframes,
                      "-sc_threshold",
                      "0",
                      "-c:a",
                      "aac",
                      "-shortest"});
}

QString makeTaggedTone(const QString& dir, const QString& name, double seconds,
                       const std::map<QString, QString>& tags) {
    QStringList arguments{"-f", "lavfi", "-i", toneSource(seconds)};
    for (const auto& [key, value] : tags)
        arguments << "-metadata" << key + '=' + value;
    return runFfmpeg(dir, name, arguments);
}

QString makeSolidVideo(const QString& dir, const QString& name, const QString& colour,
                       double seconds) {
    return runFfmpeg(
        dir, name,
        {"-f", "lavfi", "-i",
         QString("color=c=%1:size=160x120:rate=25:duration=%2").arg(colour).arg(seconds)});
}

QString makePicture(const QString& dir, const QString& name, int width, int height) {
    return runFfmpeg(dir, name,
                     {"-f", "lavfi", "-i",
                      QString("testsrc=size=%1x%2:rate=1").arg(width).arg(height), "-frames:v", "1",
                      "-update", "1"});
}

QString makeGarbage(const QString& dir, const QString& name, qint64 bytes) {
    const QString path = QDir(dir).filePath(name);
    QByteArray data(bytes, Qt::Uninitialized);
    for (qint64 i = 0; i < bytes; ++i)
        data[i] = static_cast<char>(QRandomGenerator::global()->bounded(256));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != bytes)
        throw std::runtime_error("could not write " + path.toStdString());
    return path;
}

QString makeTruncated(const QString& source, const QString& dir, const QString& name,
                      qint64 bytes) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + source.toStdString());
    const QByteArray head = in.read(bytes);
    const QString path = QDir(dir).filePath(name);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(head) != head.size())
        throw std::runtime_error("could not write " + path.toStdString());
    return path;
}

QString makeLyingWav(const QString& dir, const QString& name, double claimedSeconds,
                     double realSeconds) {
    constexpr quint32 rate = 8000;
    const auto claimed = static_cast<quint32>(claimedSeconds * rate);
    const auto real = static_cast<qsizetype>(realSeconds * rate);
    QByteArray data;
    const auto le32 = [&data](quint32 v) {
        for (int i = 0; i < 4; ++i)
            data += static_cast<char>((v >> (8 * i)) & 0xff);
    };
    const auto le16 = [&data](quint16 v) {
        data += static_cast<char>(v & 0xff);
        data += static_cast<char>(v >> 8);
    };
    data += "RIFF";
    le32(36 + claimed);
    data += "WAVEfmt ";
    le32(16);
    le16(1); // PCM
    le16(1); // mono
    le32(rate);
    le32(rate); // bytes a second
    le16(1);    // block size
    le16(8);    // bits
    data += "data";
    le32(claimed);
    // A square wave, loud enough to be heard as sound.
    for (qsizetype i = 0; i < real; ++i)
        data += static_cast<char>((i / 10) % 2 ? 0xc0 : 0x40);
    const QString path = QDir(dir).filePath(name);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size())
        throw std::runtime_error("could not write " + path.toStdString());
    return path;
}

QString makeFifo(const QString& dir, const QString& name) {
    const QString path = QDir(dir).filePath(name);
    if (mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        throw std::runtime_error("mkfifo " + path.toStdString() + ": " + std::strerror(errno));
    return path;
}

QString makeSocket(const QString& dir, const QString& name) {
    const QString path = QDir(dir).filePath(name);
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (native.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        throw std::runtime_error("socket path too long: " + path.toStdString());
    std::memcpy(address.sun_path, native.constData(), static_cast<size_t>(native.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        fd >= 0 && bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    const int error = errno;
    if (fd >= 0) close(fd);
    if (!bound)
        throw std::runtime_error("socket " + path.toStdString() + ": " + std::strerror(error));
    return path;
}

bool releaseFifo(const QString& path) {
    // Opening the writing end without blocking succeeds only while a reader waits.
    const int fd = open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
    if (fd < 0) return false;
    close(fd);
    return true;
}

} // namespace xj::test
