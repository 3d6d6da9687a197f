// The open dialog's filter ("label|masks|label|masks") -> Qt's form. Where the labels and masks
// are ones Qt's dialog can parse, it must read back each pair's masks.

#include "fuzz_support.h"

#include "playlist/media_types.h"

#include <QRegularExpression>

namespace {

using xj::mediatypes::masks;
using xj::mediatypes::qtFilter;

// How a Qt file dialog takes one filter apart into its masks.
QStringList masksQtReads(const QString& filter) {
    static const QRegularExpression pattern(
        QStringLiteral("^(.*)\\(([a-zA-Z0-9_.,*? +;#\\-\\[\\]@\\{\\}/!<>\\$%&=^~:\\|]*)\\)$"));
    const QRegularExpressionMatch m = pattern.match(filter);
    const QString inside = m.hasMatch() ? m.captured(2) : filter;
    return inside.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool plainLabel(const QString& label) {
    for (QChar c : label)
        if (c.unicode() < 0x20 || c == QLatin1Char(';') || c == QChar(0x2028) ||
            c == QChar(0x2029) || c == QChar(0x85))
            return false;
    return true;
}

bool plainMasks(const QStringList& list) {
    static const QRegularExpression allowed(
        QStringLiteral("^[a-zA-Z0-9_.,*?+;#\\-\\[\\]@\\{\\}/!<>\\$%&=^~:\\|]+$"));
    for (const QString& mask : list)
        if (!allowed.match(mask).hasMatch()) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString filter = QString::fromUtf8(xj::fuzz::bytes(data, size));
    const QString out = qtFilter(filter);
    const QStringList fields = filter.split(QLatin1Char('|'));
    const qsizetype pairs = fields.size() / 2;
    FUZZ_CHECK(out.isEmpty() == (pairs == 0));

    for (qsizetype i = 0; i < pairs; ++i)
        if (!plainLabel(fields[2 * i]) || !plainMasks(masks(fields[2 * i + 1]))) return 0;
    const QStringList filters = out.split(QStringLiteral(";;"));
    FUZZ_CHECK(filters.size() == pairs || pairs == 0);
    for (qsizetype i = 0; i < pairs; ++i) {
        FUZZ_CHECK(filters[i].startsWith(fields[2 * i]));
        FUZZ_CHECK(masksQtReads(filters[i]) == masks(fields[2 * i + 1]));
    }
    return 0;
}
