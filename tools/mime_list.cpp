// The MIME types of the files the open dialog offers, for the desktop entry's MimeType key.
//
//   mime_list OUTPUT          writes the sorted types, one a line
//   mime_list --check ENTRY   checks a desktop entry's MimeType key against the type table: each
//                             type must be one an extension of the table has, and each type the
//                             table yields must be listed
#include "playlist/media_types.h"

#include <QFile>
#include <QMimeDatabase>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

// The extensions of the "*.ext" masks of the open dialog, lower case; "*.*" and other wildcards
// name no type.
QSet<QString> tableExtensions() {
    QSet<QString> out;
    const QStringList fields = xj::mediatypes::dialogFilter().split(QLatin1Char('|'));
    for (int i = 1; i < fields.size(); i += 2)
        for (const QString& mask : xj::mediatypes::masks(fields[i])) {
            if (!mask.startsWith(QStringLiteral("*."))) continue;
            const QString ext = mask.mid(2);
            if (ext.isEmpty() || ext.contains(QLatin1Char('*')) || ext.contains(QLatin1Char('?')) ||
                ext.contains(QLatin1Char('.')))
                continue;
            out.insert(ext.toLower());
        }
    return out;
}

// Types that say nothing about the content (a file manager would offer the player for every
// unknown file), and text types that share an extension with media (.ts is also a Qt
// translation): the player has no business opening text.
bool generic(const QMimeType& type) {
    return type.isDefault() || type.name().startsWith(QStringLiteral("text/")) ||
           type.name() == QStringLiteral("application/x-zerosize");
}

QStringList tableMimeTypes(const QSet<QString>& extensions) {
    QMimeDatabase db;
    QStringList out;
    for (const QString& ext : extensions)
        for (const QMimeType& type : db.mimeTypesForFileName(QStringLiteral("x.") + ext))
            if (!generic(type)) out << type.name();
    out.sort();
    out.removeDuplicates();
    return out;
}

int write(const QString& path) {
    const QStringList types = tableMimeTypes(tableExtensions());
    if (types.isEmpty()) {
        std::fprintf(stderr, "mime_list: the type table yields no MIME type\n");
        return 1;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "mime_list: cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.write((types.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return file.error() == QFileDevice::NoError ? 0 : 1;
}

QStringList entryMimeTypes(const QString& path, bool* found) {
    QFile file(path);
    *found = false;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (!line.startsWith(QStringLiteral("MimeType="))) continue;
        *found = true;
        return line.mid(9).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    return {};
}

int check(const QString& path) {
    bool found = false;
    const QStringList listed = entryMimeTypes(path, &found);
    if (!found || listed.isEmpty()) {
        std::fprintf(stderr, "%s: no MimeType key\n", qPrintable(path));
        return 1;
    }
    const QSet<QString> extensions = tableExtensions();
    QMimeDatabase db;
    int faults = 0;
    for (const QString& name : listed) {
        const QMimeType type = db.mimeTypeForName(name);
        if (!type.isValid()) {
            std::fprintf(stderr, "%s: unknown MIME type\n", qPrintable(name));
            ++faults;
            continue;
        }
        QStringList ours;
        for (const QString& suffix : type.suffixes())
            if (extensions.contains(suffix.toLower())) ours << suffix;
        if (ours.isEmpty()) {
            std::fprintf(stderr, "%s: none of its extensions (%s) is in the type table\n",
                         qPrintable(name), qPrintable(type.suffixes().join(QLatin1Char(' '))));
            ++faults;
        }
    }
    for (const QString& name : tableMimeTypes(extensions))
        if (!listed.contains(name)) {
            std::fprintf(stderr, "%s: the type table yields it, the entry does not list it\n",
                         qPrintable(name));
            ++faults;
        }
    if (faults == 0)
        std::printf("%lld MIME types checked\n", static_cast<long long>(listed.size()));
    return faults == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--check"))
        return check(QString::fromLocal8Bit(argv[2]));
    if (argc == 2) return write(QString::fromLocal8Bit(argv[1]));
    std::fprintf(stderr, "usage: mime_list OUTPUT | mime_list --check DESKTOP_ENTRY\n");
    return 2;
}
