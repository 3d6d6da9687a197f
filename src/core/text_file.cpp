#include "core/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace xj::textfile {

namespace {
bool present(const QFileInfo& info) {
    return info.exists() || info.isSymLink();
}

// The mode bits of the file itself: QFileInfo's "user" bits say what this process may do,
// which for root is everything.
constexpr QFileDevice::Permissions kModeBits =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
} // namespace

Kind kindOf(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (!info.exists()) return Kind::Missing;
    if (!info.isFile()) return Kind::NotOrdinary;
    return info.size() > limit ? Kind::TooLarge : Kind::Ordinary;
}

Read readBytes(const QString& path, qint64 limit) {
    const Kind kind = kindOf(path, limit);
    if (kind != Kind::Ordinary) return {kind, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {Kind::Missing, {}};
    // The size can grow after the look above; the bound holds all the same.
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit) return {Kind::TooLarge, {}};
    return {Kind::Ordinary, bytes};
}

QList<QByteArray> splitLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    // The ending of the last line leaves one empty piece behind it.
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder gb("GB18030");
    if (gb.isValid()) return QString(gb.decode(bytes));
    return QString::fromLocal8Bit(bytes);
}

std::optional<QString> readAll(const QString& path) {
    Read read = readBytes(path);
    if (read.kind != Kind::Ordinary) return std::nullopt;
    return decode(read.bytes);
}

bool writeLines(const QString& path, const QList<QByteArray>& lines) {
    const QFileInfo old(path);
    const bool existed = old.exists();
    const QFileDevice::Permissions mode = old.permissions() & kModeBits;
    if (existed && !(mode & QFileDevice::WriteOwner)) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // The new file takes the place of the old one: it takes its mode too.
    if (existed && !file.setPermissions(mode)) {
        file.cancelWriting();
        return false;
    }
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeLines(const QString& path, const QStringList& lines) {
    QList<QByteArray> encoded;
    encoded.reserve(lines.size());
    for (const QString& line : lines)
        encoded << line.toUtf8();
    return writeLines(path, encoded);
}

bool touch(const QString& path) {
    // Opening a pipe to append would wait for a reader.
    if (present(QFileInfo(path))) return true;
    QFile file(path);
    return file.open(QIODevice::Append);
}

QString inFolder(const QString& folder, const QString& name) {
    return QDir::toNativeSeparators(QDir(folder).filePath(name));
}

QString readPath(const QString& folder, const QString& fallback, const QString& name) {
    QString own = inFolder(folder, name);
    if (present(QFileInfo(own)) || fallback.isEmpty()) return own;
    const QString other = inFolder(fallback, name);
    return present(QFileInfo(other)) ? other : own;
}

} // namespace xj::textfile
