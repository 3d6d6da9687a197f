#pragma once

#include <QString>
#include <QStringList>

namespace xj::mediatypes {

// The open dialog's filter: label and patterns pairs joined by "|".
QString dialogFilter();
// The same filter in Qt's form: "label (masks);;label (masks)".
QString qtFilter(const QString& filter);

// The file pattern a type box's text selects: a label of the type table, or a text that starts
// with "*." as the pattern itself; any other text keeps `previous`.
QString patternFor(const QString& typeText, const QString& previous);

// The masks of a pattern ("*.mp3;*.wav"), empty pieces dropped.
QStringList masks(const QString& pattern);
// Whether a file name matches one of the masks, as the file system matches: case ignored.
bool matches(const QString& fileName, const QStringList& masks);

} // namespace xj::mediatypes
