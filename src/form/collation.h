#pragma once

#include <QCollatorSortKey>
#include <QString>

namespace xj::collation {

// The playlist's order: Chinese collation (pinyin), letter case ignored.
int compare(const QString& a, const QString& b);
// A key that compares as the text does; cheap to compare many times.
QCollatorSortKey key(const QString& text);

} // namespace xj::collation
