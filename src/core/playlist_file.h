#pragma once

#include "core/text_file.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>

namespace xj {

class Form2;

// The playlist file xjge.txt in the program folder: one entry a line. It is also the song
// library's store. What the program read and did not show, or could not show as it was, it
// writes back unchanged.
class PlaylistFile {
public:
    explicit PlaylistFile(Form2& f) : f_(f) {}

    struct Contents {
        textfile::Kind kind = textfile::Kind::Missing;
        QList<QByteArray> lines;
        QString path; // where they were read
    };

    // Where the file is written.
    QString path() const;
    // Where it is read: the program folder's, or the executable's while the former has none.
    QString sourcePath() const;

    // Reads the file's lines; a missing file is created empty and gives nothing. A file too
    // large or not an ordinary file is not opened.
    Contents open();
    // Adds the lines read (empty ones skipped) to the playlist in its sort order, or the four
    // welcome entries when the file was missing; says so when the file was not read.
    void fill(const Contents& contents);
    // The load: open, then fill.
    void load() { fill(open()); }

    // Asks, then writes the playlist to the file.
    void store();
    // Writes every entry, one a line, then the lines read that did not fit in the list. False
    // (and said) when the file could not be written or must not be.
    bool save();
    // The list was emptied: the lines it had no room for go with it.
    void forgetLeftOver() { leftOver_.clear(); }

private:
    void notice(const QString& text);
    // Remembers how a line read into the list was written.
    void keep(const QString& text, const QByteArray& line);
    QByteArray bytesToWrite() const;
    Form2& f_;
    // The lines read into the list, by the text they showed as, for each text that some line
    // showed as without being its UTF-8 (GBK, a broken line, a byte order mark): one text can
    // come from lines in UTF-8 and in GBK alike, and each goes back as it was read. Every other
    // text goes back as its UTF-8, which is what its lines were, with no bytes kept.
    QHash<QString, QList<QByteArray>> kept_;
    // For the other texts, how many lines were read as each: their place in kept_ once a line
    // of theirs turns up that is not their UTF-8.
    QHash<QString, qsizetype> plain_;
    // The last read's lines that the list had no room for, in the file's order.
    QList<QByteArray> leftOver_;
};

} // namespace xj
