#pragma once

#include <QStringList>
#include <optional>

namespace xj {

class Form2;

// The playlist file xjge.txt in the program folder: one entry a line. It is also the song
// library's store.
class PlaylistFile {
public:
    explicit PlaylistFile(Form2& f) : f_(f) {}

    QString path() const;

    // Reads the file's lines; a missing file is created empty and gives nothing.
    std::optional<QStringList> open();
    // Adds the lines read (empty ones skipped) to the playlist in its sort order, or the four
    // welcome entries when the file was missing.
    void fill(const std::optional<QStringList>& lines);
    // The load: open, then fill.
    void load() { fill(open()); }

    // Asks, then writes the playlist to the file.
    void store();
    // Writes every entry, one a line. False when the file could not be written.
    bool save();

private:
    Form2& f_;
};

} // namespace xj
