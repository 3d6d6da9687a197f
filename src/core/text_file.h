#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace xj::textfile {

// The whole file as text: UTF-8 when the bytes are valid UTF-8, otherwise GB18030, so a file
// written on a Chinese Windows system reads right. Empty when the file cannot be opened.
std::optional<QString> readAll(const QString& path);

// Lines ended by CR LF or LF; a last line without an ending counts.
QStringList splitLines(const QString& text);

// Writes each line ended by CR LF, in UTF-8, through a temporary file that replaces the old
// one only when complete. False when it could not be written.
bool writeLines(const QString& path, const QStringList& lines);

// Opens for appending and closes: creates the file empty when it is missing.
bool touch(const QString& path);

// The file's path in a folder, with native separators.
QString inFolder(const QString& folder, const QString& name);

} // namespace xj::textfile
