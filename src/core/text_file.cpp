#include "core/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

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
// Where a save lands: QSaveFile writes through links to their target, and so does the staging.
QString linkTarget(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; info.isSymLink() && depth < 32; ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// Only a plain file under one of our names is ours: a link or a folder is somebody else's.
void removeIfOurs(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() && !info.isSymLink()) QFile::remove(path);
}

std::filesystem::path nativePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}
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
    // Asking for the whole bound at once would reserve all of it for every read. The size can
    // grow after the look above; the bound holds all the same.
    QByteArray bytes = file.read(std::min(file.size(), limit) + 1);
    while (bytes.size() <= limit) {
        const QByteArray more = file.read(std::min<qint64>(limit + 1 - bytes.size(), 1 << 20));
        if (more.isEmpty()) break;
        bytes += more;
    }
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

void LineBuffer::add(QByteArrayView line) {
    char* out = room(line.size() + 2);
    std::copy(line.begin(), line.end(), out);
    out += line.size();
    *out++ = '\r';
    *out++ = '\n';
    size_ = out - bytes_.data();
}

void LineBuffer::add(QStringView text) {
    char* const start = room(utf8_.requiredSpace(text.size()) + 2);
    char* out = utf8_.appendToBuffer(start, text);
    if (utf8_.hasError()) {
        // Half a surrogate pair: written as QString writes it everywhere else.
        utf8_.resetState();
        const QByteArray plain = text.toUtf8();
        out = std::copy(plain.begin(), plain.end(), start);
    }
    *out++ = '\r';
    *out++ = '\n';
    size_ = out - bytes_.data();
}

QByteArray LineBuffer::take() {
    bytes_.truncate(size_);
    size_ = 0;
    return std::exchange(bytes_, {});
}

char* LineBuffer::room(qsizetype n) {
    // Growing by halves again keeps the copies few; a large buffer grows in place.
    if (bytes_.size() - size_ < n)
        bytes_.resize(std::max(size_ + n, std::max(bytes_.capacity(), bytes_.size() * 3 / 2)));
    return bytes_.data() + size_;
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    const QString target = linkTarget(path);
    const QFileInfo old(target);
    const bool existed = old.exists();
    const QFileDevice::Permissions mode = old.permissions() & kModeBits;
    if (existed && !(mode & QFileDevice::WriteOwner)) return false;
    // QSaveFile puts the staged file in place whole and synced; the rename below then swaps
    // it for the old one. Writing straight to the file would leave its temporary under a name
    // that cannot be told from one of the user's.
    const QString staged = stagingPath(target);
    removeIfOurs(staged);
    QSaveFile file(staged);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // The new file takes the place of the old one: it takes its mode too.
    if (existed && !file.setPermissions(mode)) {
        file.cancelWriting();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) return false;
    std::error_code error;
    std::filesystem::rename(nativePath(staged), nativePath(target), error);
    if (!error) return true;
    QFile::remove(staged);
    return false;
}

bool writeLines(const QString& path, const QList<QByteArray>& lines) {
    qsizetype size = 0;
    for (const QByteArray& line : lines)
        size += line.size() + 2;
    LineBuffer buffer(size);
    for (const QByteArray& line : lines)
        buffer.add(line);
    return writeBytes(path, buffer.take());
}

bool writeLines(const QString& path, const QStringList& lines) {
    LineBuffer buffer;
    for (const QString& line : lines)
        buffer.add(line);
    return writeBytes(path, buffer.take());
}

QString stagingPath(const QString& path) {
    return linkTarget(path) + QStringLiteral(".xjsave");
}

void removeUnfinishedSave(const QString& path) {
    const QString staged = stagingPath(path);
    removeIfOurs(staged);
    // QSaveFile writes through an unnamed file where it can, else through its own name with
    // six letters after a dot.
    const QFileInfo info(staged);
    const QRegularExpression temporary(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(info.fileName()) + QStringLiteral("\\.[A-Za-z]{6}")));
    const QStringList names = info.dir().entryList({info.fileName() + QStringLiteral(".??????")},
                                                   QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        if (temporary.match(name).hasMatch()) removeIfOurs(info.dir().filePath(name));
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
