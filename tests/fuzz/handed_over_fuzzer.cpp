// What the running player does with a path handed over: the bytes a second start sends over
// the local socket, and the URI an MPRIS OpenUri call names.

#include "form_run.h"
#include "fuzz_support.h"

#include "desktop/mpris_values.h"

#include <QUrl>

namespace {

using xj::fuzz::FormRun;

void take(FormRun& run, const QString& path) {
    xj::Form2& f = run.form();
    const int count = f.List1.ListCount();
    const bool wasThere = xj::fuzz::holds(f, path);
    run.playable(path);
    f.handedOverFile.take(path);
    if (path.isEmpty()) {
        FUZZ_CHECK(f.List1.ListCount() == count);
        return;
    }
    xj::fuzz::checkTaken(f, path, wasThere, count);
    run.advance(2000);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(xj::fuzz::bytes(data, size));
    FormRun run;
    take(run, text);
    take(run, xj::mprisvalues::localPath(text));

    // A desktop names a local file by its file URI: the path comes back whole. Qt reads a path
    // that starts with two slashes as a host and share, which no desktop sends for a file.
    if (text.startsWith(QLatin1Char('/')) && !text.startsWith(QStringLiteral("//")) &&
        !text.contains(QChar(0))) {
        const QString uri = QUrl::fromLocalFile(text).toString(QUrl::FullyEncoded);
        FUZZ_CHECK(xj::mprisvalues::localPath(uri) == text);
    }
    return 0;
}
