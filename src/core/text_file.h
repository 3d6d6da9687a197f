#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringConverter>
#include <QStringList>
#include <optional>

namespace xj::textfile {

// Beyond this a text file of the program is not read: a line list that large is not one the
// program wrote, and reading it would hold up the start.
constexpr qint64 MaxSize = qint64{64} * 1024 * 1024;

enum class Kind {
    Missing,    // nothing by that name
    Ordinary,   // a regular file within the bound
    TooLarge,   // a regular file past the bound
    NotOrdinary // a device, a pipe, a folder...: reading it might never end
};

// What lies at the path, links followed, without opening it.
Kind kindOf(const QString& path, qint64 limit = MaxSize);

struct Read {
    Kind kind = Kind::Missing; // Missing also when an ordinary file cannot be opened
    QByteArray bytes;
};
// The bytes of an ordinary file within the bound; other files are not opened.
Read readBytes(const QString& path, qint64 limit = MaxSize);

// Lines ended by CR LF or LF; a last line without an ending counts.
QList<QByteArray> splitLines(const QByteArray& bytes);

// UTF-8 when the bytes are valid UTF-8, otherwise GB18030, so a line written on a Chinese
// Windows system reads right.
QString decode(const QByteArray& bytes);

// The whole file as text, decoded as one; empty when it is not an ordinary file that opens.
std::optional<QString> readAll(const QString& path);

// A file's bytes gathered line by line, each line ended by CR LF, in one buffer: a list of
// tens of thousands of lines is written without a piece of its own for each line.
class LineBuffer {
public:
    explicit LineBuffer(qsizetype expectedSize = 0) { bytes_.reserve(expectedSize); }
    void add(QByteArrayView line);
    // The text in UTF-8, as QString::toUtf8 writes it: half of a surrogate pair is not joined
    // to the next line's.
    void add(QStringView text);
    QByteArray take();

private:
    // Where the next n bytes go.
    char* room(qsizetype n);
    QByteArray bytes_;
    qsizetype size_ = 0;
    QStringEncoder utf8_{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
};

// Writes the bytes to a staged file beside the old one, flushed to the disk, which then takes
// its place in one step: a save cut off at any moment leaves the old file or the new one,
// whole. The new file keeps the old one's mode. A file its owner may not write is left alone,
// also for a user (root) whom permissions do not stop. False when nothing was written.
bool writeBytes(const QString& path, const QByteArray& bytes);
// The same with each line ended by CR LF.
bool writeLines(const QString& path, const QList<QByteArray>& lines);
// The same with text lines, in UTF-8.
bool writeLines(const QString& path, const QStringList& lines);

// Where a save stages the file's new content before it takes the file's place: beside the file
// (links followed), under a name of its own so that what a killed save left is known as ours.
QString stagingPath(const QString& path);
// Removes what a save cut off by a killed run left beside the file: its staged file and the
// temporary the staging itself writes through. Nothing else is touched.
void removeUnfinishedSave(const QString& path);

// Creates the file empty when nothing is there; an existing file is not opened.
bool touch(const QString& path);

// The file's path in a folder, with native separators.
QString inFolder(const QString& folder, const QString& name);

// Where to read a file: in `folder` when anything by that name is there, else in `fallback`
// when it holds one, else in `folder`.
QString readPath(const QString& folder, const QString& fallback, const QString& name);

} // namespace xj::textfile
