// The program's arguments (cut at NUL, as argv is) -> the command line -> the path start-up
// plays -> the entry three seconds later takes in the playlist.

#include "form_run.h"
#include "fuzz_support.h"

#include "core/startup.h"
#include "platform/system.h"

namespace {

using xj::fuzz::FormRun;

bool quotedBothEnds(const QString& text) {
    return text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QStringList arguments;
    if (size > 0)
        for (const QByteArray& piece : xj::fuzz::pieces(xj::fuzz::bytes(data, size), '\0'))
            arguments << QString::fromLocal8Bit(piece);
    const QString line = xj::shellCommandLine(arguments);
    const QString joined = arguments.join(QLatin1Char(' '));
    if (arguments.isEmpty()) {
        FUZZ_CHECK(line.isEmpty());
    } else {
        FUZZ_CHECK(quotedBothEnds(line));
        // The path comes back as the arguments joined; a line quoted already loses its quotes.
        const QString path = xj::commandLinePath(line);
        if (!quotedBothEnds(joined) && joined.size() >= 2) FUZZ_CHECK(path == joined);
        if (quotedBothEnds(joined) && joined.size() > 3)
            FUZZ_CHECK(path == joined.mid(1, joined.size() - 2));
    }

    const QString path = xj::commandLinePath(line);
    FormRun run(line, path);
    xj::Form2& f = run.form();
    const int count = f.List1.ListCount();
    FUZZ_CHECK(count == FormRun::entries().size());
    const bool wasThere = xj::fuzz::holds(f, path);
    run.advance(3000);
    if (path.isEmpty()) {
        FUZZ_CHECK(f.List1.ListCount() == count);
        return 0;
    }
    xj::fuzz::checkTaken(f, path, wasThere, count);
    return 0;
}
