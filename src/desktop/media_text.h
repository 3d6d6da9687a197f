#pragma once

#include "ports/media_engine.h"

#include <QString>
#include <QStringList>

namespace xj::mediaText {

// A playback time as a player shows it: "3:05", or "1:02:03" from an hour on; the fraction
// of a second is dropped.
QString clock(double seconds);

// The information display's lines, each "名称：值", for what the media tells of itself;
// empty when nothing is open.
QStringList detailLines(const MediaDetails& details, const QString& path);

// What the bar names the entry by: its title tag, else its file name.
QString entryTitle(const MediaDetails& details, const QString& path);

} // namespace xj::mediaText
