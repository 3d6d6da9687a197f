#include "form/vb_text.h"

namespace xj {

QString signedText(long long n) {
    return n >= 0 ? QLatin1Char(' ') + QString::number(n) : QString::number(n);
}

} // namespace xj
