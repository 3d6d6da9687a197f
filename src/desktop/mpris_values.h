#pragma once

#include <QStringList>
#include <QVariantMap>

namespace xj {

class Form2;

// The model read as the MPRIS2 player interface shows it.
namespace mprisvalues {

// Every value of the player interface but Position, which is read, never signalled.
QVariantMap player(Form2& form);
// Microseconds into the open media.
qint64 position(Form2& form);
// The object path naming the entry playing or played last.
QString trackId(Form2& form);
// The types the open dialog offers.
QStringList supportedMimeTypes();
// The file an OpenUri call names, with native separators; empty for a URI of anything else.
QString localPath(const QString& uri);

} // namespace mprisvalues
} // namespace xj
