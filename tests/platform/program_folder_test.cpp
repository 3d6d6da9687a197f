#include "platform/system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace xj::test {
namespace {

// Where xjge.txt lives: beside a program run from its own (writable) folder, in the user's data
// folder for an installed one, whoever runs it.
TEST(ProgramFolder, InstalledProgramsKeepTheListInTheUsersDataFolder) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", root.filePath("data").toUtf8());
    QCoreApplication::setApplicationName("xingjing");
    const QString data = root.filePath("data/xingjing");

    // Built or copied: a writable folder keeps its files, even one called bin.
    ASSERT_TRUE(QDir().mkpath(root.filePath("build")));
    EXPECT_EQ(programFolder(root.filePath("build")), root.filePath("build"));
    EXPECT_EQ(sharedFolder(root.filePath("build")), QString());
    ASSERT_TRUE(QDir().mkpath(root.filePath("copy/bin")));
    EXPECT_EQ(programFolder(root.filePath("copy/bin")), root.filePath("copy/bin"));
    EXPECT_FALSE(QFileInfo::exists(data));

    // Installed into a prefix: the data folder, made on first use, though bin/ is writable.
    ASSERT_TRUE(QDir().mkpath(root.filePath("usr/bin")));
    ASSERT_TRUE(QDir().mkpath(root.filePath("usr/share/xingjing")));
    EXPECT_EQ(programFolder(root.filePath("usr/bin")), data);
    EXPECT_TRUE(QFileInfo(data).isDir());
    EXPECT_EQ(sharedFolder(root.filePath("usr/bin")), root.filePath("usr/share/xingjing"));
    EXPECT_EQ(sharedFolder(root.filePath("usr/bin/")), root.filePath("usr/share/xingjing"));

    // A read-only folder of a program that is not installed still falls back to it.
    ASSERT_TRUE(QDir().mkpath(root.filePath("ro")));
    QFile::setPermissions(root.filePath("ro"), QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(root.filePath("ro")).isWritable()) { // root may write anyway
        EXPECT_EQ(programFolder(root.filePath("ro")), data);
    }
    QFile::setPermissions(root.filePath("ro"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    if (oldHome.isNull()) {
        qunsetenv("XDG_DATA_HOME");
    } else {
        qputenv("XDG_DATA_HOME", oldHome);
    }
}

} // namespace
} // namespace xj::test
