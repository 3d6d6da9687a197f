#pragma once

#include <QString>

namespace xj {

// Text quoted in a message box, such as a playlist entry: at most `limit` characters, the
// start and the end kept around "…", so that a huge entry cannot stall the box's layout.
QString quotedInMessage(const QString& text, int limit = 300);

} // namespace xj
