// Playlist file bytes -> entries -> bytes. The lines read are the entries in the list's order,
// each shown as its decoded text; a save writes every line read back, and the list's lines
// with the bytes they were read with, so a second load and save change nothing.
//
// An input that starts with NUL 0xFF and a byte n is loaded by recall into a list with only
// n & 63 places left, so the lines past the limit are exercised without a huge input.

#include "fuzz_support.h"

#include "core/form2.h"
#include "core/playlist_file.h"
#include "support/fakes.h"

#include <algorithm>
#include <memory>

namespace {

using xj::Form2;
using xj::ListBox;
using xj::PlaylistFile;
using xj::fuzz::lines;
using xj::fuzz::sorted;

struct Fixture {
    Fixture() { fake.writeFile("xp.txt", "no xp\r\n"); }
    xj::test::FakePlatform fake;
    // A list that is almost full, of entries no file line decodes to (a lone surrogate).
    std::unique_ptr<Form2> full;
    int room = -1;
    const QString filler = QString(QChar(0xDC00));
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

QList<QByteArray> nonEmpty(QList<QByteArray> list) {
    list.removeIf([](const QByteArray& line) { return line.isEmpty(); });
    return list;
}

QStringList entries(const Form2& f) {
    QStringList out;
    for (int i = 0; i < f.List1.ListCount(); ++i)
        out << f.List1.List(i);
    return out;
}

// Every line written is ended by CR LF.
QList<QByteArray> savedLines(const QByteArray& saved) {
    FUZZ_CHECK(saved.isEmpty() || saved.endsWith("\r\n"));
    FUZZ_CHECK(saved.count('\n') == saved.count("\r\n"));
    return lines(saved);
}

void loadIntoEmptyList(const QByteArray& file) {
    Fixture& fx = fixture();
    fx.fake.writeFile("xjge.txt", file);
    const QList<QByteArray> read = nonEmpty(lines(file));

    Form2 f(fx.fake.platform);
    f.playlistFile.load();
    const int count = f.List1.ListCount();
    FUZZ_CHECK(count == std::min<qsizetype>(read.size(), ListBox::MaxCount));

    FUZZ_CHECK(f.playlistFile.save());
    const QByteArray saved = fx.fake.readFile("xjge.txt");
    const QList<QByteArray> written = savedLines(saved);
    FUZZ_CHECK(sorted(written) == sorted(read));
    for (int i = 0; i < count; ++i)
        FUZZ_CHECK(xj::textfile::decode(written[i]) == f.List1.List(i));
    FUZZ_CHECK(written.mid(count) == read.mid(count));

    Form2 g(fx.fake.platform);
    g.playlistFile.load();
    FUZZ_CHECK(entries(g) == entries(f));
    FUZZ_CHECK(g.playlistFile.save());
    FUZZ_CHECK(fx.fake.readFile("xjge.txt") == saved);
    fx.fake.messages.shown.clear();
}

// Fills or empties the almost full list to `room` free places.
Form2& almostFull(int room) {
    Fixture& fx = fixture();
    if (!fx.full) {
        fx.full = std::make_unique<Form2>(fx.fake.platform);
        fx.room = ListBox::MaxCount;
    }
    ListBox& list = fx.full->List1;
    if (room < fx.room) {
        list.AddItems(QStringList(fx.room - room, fx.filler));
    } else {
        for (int i = 0; i < room - fx.room; ++i)
            list.setSelected(i, true);
        list.RemoveSelected();
    }
    fx.room = room;
    FUZZ_CHECK(list.ListCount() == ListBox::MaxCount - room);
    return *fx.full;
}

void recallIntoAlmostFullList(int room, const QByteArray& file) {
    Fixture& fx = fixture();
    Form2& f = almostFull(room);
    fx.fake.writeFile("xjge.txt", file);
    const QList<QByteArray> read = nonEmpty(lines(file));
    fx.fake.messages.shown.clear();

    PlaylistFile playlist(f);
    playlist.load();
    const int added = static_cast<int>(std::min<qsizetype>(read.size(), room));
    FUZZ_CHECK(f.List1.ListCount() == ListBox::MaxCount - room + added);
    // The lines left out are told once.
    FUZZ_CHECK(fx.fake.messages.shown.size() == (read.size() > room ? 1u : 0u));

    FUZZ_CHECK(playlist.save());
    const QList<QByteArray> written = savedLines(fx.fake.readFile("xjge.txt"));
    FUZZ_CHECK(written.size() == f.List1.ListCount() + read.size() - added);
    QList<QByteArray> ofEntries;
    for (int i = 0; i < f.List1.ListCount(); ++i) {
        if (f.List1.List(i) == fx.filler) continue;
        FUZZ_CHECK(xj::textfile::decode(written[i]) == f.List1.List(i));
        ofEntries << written[i];
    }
    FUZZ_CHECK(sorted(ofEntries) == sorted(read.mid(0, added)));
    FUZZ_CHECK(written.mid(f.List1.ListCount()) == read.mid(added));

    // Back to the fillers alone.
    for (int i = 0; i < f.List1.ListCount(); ++i)
        if (f.List1.List(i) != fx.filler) f.List1.setSelected(i, true);
    f.List1.RemoveSelected();
    FUZZ_CHECK(f.List1.ListCount() == ListBox::MaxCount - room);
    fx.fake.messages.shown.clear();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = xj::fuzz::bytes(data, size);
    if (input.size() >= 3 && input[0] == '\0' && input[1] == '\xff')
        recallIntoAlmostFullList(static_cast<uchar>(input[2]) & 63, input.mid(3));
    else
        loadIntoEmptyList(input);
    return 0;
}
