#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

namespace xj::test {

// A temporary folder tree for the walks: files are created empty unless given bytes.
class FolderTree {
public:
    QString root() const { return dir_.path() + '/'; }
    QString path(const QString& relative) const { return dir_.path() + '/' + relative; }
    QString file(const QString& relative, const QByteArray& bytes = {}) const {
        const QString p = path(relative);
        QDir().mkpath(QFileInfo(p).path());
        QFile f(p);
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
        return p;
    }
    QString folder(const QString& relative) const {
        QDir().mkpath(path(relative));
        return path(relative);
    }

private:
    QTemporaryDir dir_;
};

} // namespace xj::test
