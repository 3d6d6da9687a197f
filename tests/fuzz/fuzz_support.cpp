#include "fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace xj::fuzz {

void fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, what);
    std::abort();
}

QList<QByteArray> pieces(const QByteArray& input, char separator) {
    QList<QByteArray> out;
    qsizetype from = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (input[i] != separator) continue;
        out << input.mid(from, i - from);
        from = i + 1;
    }
    out << input.mid(from);
    return out;
}

QList<QByteArray> lines(const QByteArray& bytes) {
    QList<QByteArray> out;
    qsizetype from = 0;
    while (from < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', from);
        const qsizetype stop = end < 0 ? bytes.size() : end;
        qsizetype length = stop - from;
        // A CR that ends the file ends its last line too.
        if (length > 0 && bytes[stop - 1] == '\r') --length;
        out << bytes.mid(from, length);
        from = stop + 1;
    }
    return out;
}

QList<QByteArray> sorted(QList<QByteArray> list) {
    std::sort(list.begin(), list.end());
    return list;
}

} // namespace xj::fuzz
