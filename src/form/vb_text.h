#pragma once

#include <QString>

namespace xj {

// A number as the runtime prints it: a blank in the sign place for a non-negative number
// (" 12"), the minus sign otherwise ("-3").
QString signedText(long long n);

} // namespace xj
