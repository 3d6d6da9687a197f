#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// A property that does not hold stops the run as a crash would, so libFuzzer keeps the input.
#define FUZZ_CHECK(cond) ((cond) ? void() : ::xj::fuzz::fail(#cond, __FILE__, __LINE__))

namespace xj::fuzz {

[[noreturn]] void fail(const char* what, const char* file, int line);

// The input without a copy and without a terminating NUL, so a read past its end is caught.
inline QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                   static_cast<qsizetype>(size));
}

// The input cut at `separator` into its pieces, the last one included even when empty.
QList<QByteArray> pieces(const QByteArray& input, char separator);

// The lines a text file holds as a reader sees them: cut at LF, one CR ending each dropped, no
// piece after a final LF.
QList<QByteArray> lines(const QByteArray& bytes);

// The sorted copy, to compare two lists regardless of their order.
QList<QByteArray> sorted(QList<QByteArray> list);

} // namespace xj::fuzz
