#pragma once

#include <QString>

namespace xj::collation {

// The playlist's order: Chinese collation (pinyin), letter case ignored.
int compare(const QString& a, const QString& b);

} // namespace xj::collation
