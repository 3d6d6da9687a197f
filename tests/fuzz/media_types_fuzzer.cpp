// The type box's text -> pattern -> masks -> which file names match. Input: the typed text, the
// pattern before it, then file names, one a line.

#include "fuzz_support.h"

#include "playlist/media_types.h"

namespace {

using namespace xj::mediatypes;

bool isAscii(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 0x7f) return false;
    return true;
}

// A mask "*.ext" whose extension holds no wildcard.
bool isPlainExtension(const QString& mask) {
    if (!mask.startsWith(QStringLiteral("*.")) || mask.size() < 3) return false;
    for (QChar c : mask.mid(2))
        if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('[') ||
            c == QLatin1Char(']'))
            return false;
    return true;
}

void checkPattern(const QString& typed) {
    const QString a = QStringLiteral("\x01"
                                     "a");
    const QString b = QStringLiteral("\x01"
                                     "b");
    const QString first = patternFor(typed, a);
    const QString second = patternFor(typed, b);
    if (typed.startsWith(QStringLiteral("*."))) {
        FUZZ_CHECK(first == typed && second == typed);
        return;
    }
    // Any other text either keeps the pattern before it or is a label that names masks.
    if (first == a) {
        FUZZ_CHECK(second == b);
        return;
    }
    FUZZ_CHECK(first == second);
    const QStringList named = masks(first);
    FUZZ_CHECK(!named.isEmpty());
    for (const QString& mask : named)
        FUZZ_CHECK(mask.startsWith(QStringLiteral("*.")));
}

void checkMasks(const QStringList& list) {
    for (const QString& mask : list) {
        FUZZ_CHECK(!mask.isEmpty());
        FUZZ_CHECK(mask == mask.trimmed());
        FUZZ_CHECK(!mask.contains(QLatin1Char(';')));
    }
    FUZZ_CHECK(masks(list.join(QLatin1Char(';'))) == list);
}

void checkName(const QString& name, const QStringList& list) {
    const bool matched = matches(name, list);
    bool byOne = false;
    for (const QString& mask : list) {
        const bool one = matches(name, QStringList{mask});
        byOne = byOne || one;
        if (mask == QStringLiteral("*.*")) FUZZ_CHECK(one);
        // A name longer than the extension that ends with it matches, in any case.
        if (isPlainExtension(mask) && name.size() > mask.size() - 1 &&
            name.endsWith(mask.mid(1), Qt::CaseInsensitive))
            FUZZ_CHECK(one);
    }
    FUZZ_CHECK(matched == byOne);
    // The file system's matching ignores case; only ASCII folds one letter to one letter.
    if (isAscii(name)) {
        FUZZ_CHECK(matches(name.toUpper(), list) == matched);
        FUZZ_CHECK(matches(name.toLower(), list) == matched);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> parts = xj::fuzz::pieces(xj::fuzz::bytes(data, size), '\n');
    const QString typed = QString::fromUtf8(parts[0]);
    const QString previous = parts.size() > 1 ? QString::fromUtf8(parts[1]) : QString();
    checkPattern(typed);
    const QStringList list = masks(patternFor(typed, previous));
    checkMasks(list);
    for (qsizetype i = 2; i < parts.size(); ++i)
        checkName(QString::fromUtf8(parts[i]), list);
    return 0;
}
