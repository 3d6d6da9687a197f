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

// The labels of today's formats, which follow the original ones in both type boxes.
QStringList commonTypeLabels();
// Whether a name ends in one of the extensions of "常用音频文件", all of them sound only.
bool isCommonAudio(const QString& path, Qt::CaseSensitivity cs = Qt::CaseInsensitive);

// The masks of a pattern ("*.mp3;*.wav"), empty pieces dropped.
QStringList masks(const QString& pattern);
// Whether a file name matches one of the masks, as the file system matches: case ignored.
bool matches(const QString& fileName, const QStringList& masks);

} // namespace xj::mediatypes
