#include "support/panel_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <algorithm>

#include <sys/stat.h>

namespace xj::test {
namespace {

const QString kNotice = QString::fromUtf8("星鲸声海--提示");

class PlaylistFileTest : public PanelTest {
protected:
    QByteArray gbk(const QString& text) {
        QStringEncoder gb("GB18030");
        return gb.encode(text);
    }
    // Answers Yes to the store's question.
    void store(Form2& f) {
        fake.messages.answers = {MsgResult::Yes};
        f.Command5_Click();
    }
    QList<QByteArray> savedLines() {
        QList<QByteArray> lines = fake.readFile("xjge.txt").split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        for (QByteArray& line : lines) {
            EXPECT_TRUE(line.endsWith('\r'));
            line.chop(1);
        }
        return lines;
    }
    uint mode(const QString& name) {
        struct stat st {};
        ::stat(QFile::encodeName(fake.file(name)).constData(), &st);
        return st.st_mode & 07777;
    }
};

TEST_F(PlaylistFileTest, AFileThatIsNotAnOrdinaryOneIsNeitherReadNorOverwritten) {
    const QString path = fake.file("xjge.txt");
    ASSERT_TRUE(QFile::link("/dev/zero", path));
    Form2& f = start();
    EXPECT_EQ(f.List1.ListCount(), 0);
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_TRUE(fake.messages.shown[0].text.contains(QString::fromUtf8("不是普通文件")));
    EXPECT_TRUE(fake.messages.shown[0].text.contains(QString::fromUtf8("保持原样")));
    EXPECT_EQ(fake.messages.shown[0].title, kNotice);
    EXPECT_EQ(fake.messages.shown[0].buttons, MsgButtons::Ok);

    // Closing with save says the changes were not saved and keeps the program running.
    f.List1.AddItem("/m/new.mp3");
    f.wenjianming = true;
    fake.messages.answers = {MsgResult::Yes};
    f.Form_Unload();
    ASSERT_EQ(fake.messages.shown.size(), 3u);
    EXPECT_TRUE(fake.messages.shown[2].text.contains(QString::fromUtf8("未保存")));
    EXPECT_EQ(fake.messages.shown[2].title, kNotice);
    EXPECT_FALSE(f.ended());
    EXPECT_EQ(QFileInfo(path).symLinkTarget(), "/dev/zero");

    // A pipe blocks nobody.
    QFile::remove(path);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    fake.messages.shown.clear();
    Form2& g = start();
    EXPECT_EQ(g.List1.ListCount(), 0);
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_TRUE(fake.messages.shown[0].text.contains(QString::fromUtf8("不是普通文件")));
    g.List1.AddItem("/m/new.mp3");
    store(g);
    EXPECT_EQ(fake.messages.shown.size(), 3u);
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(PlaylistFileTest, AFileTooLargeIsReportedLeftAloneAndNotOverwritten) {
    const qint64 size = 64 * 1024 * 1024 + 1;
    {
        QFile big(fake.file("xjge.txt"));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.write("/m/a.mp3\r\n") > 0);
        ASSERT_TRUE(big.resize(size));
    }
    Form2& f = start();
    EXPECT_EQ(f.List1.ListCount(), 0);
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_TRUE(fake.messages.shown[0].text.contains(QString::fromUtf8("太大")));
    EXPECT_TRUE(fake.messages.shown[0].text.contains(QString::fromUtf8("保持原样")));
    EXPECT_EQ(fake.messages.shown[0].title, kNotice);
    // The count caption is still written: start-up goes on with an empty list.
    EXPECT_EQ(f.Label2.Caption, QString::fromUtf8("目录总歌曲为 0首"));

    // The song library's recall reads through the same load.
    f.Command15_Click();
    EXPECT_EQ(f.List1.ListCount(), 0);
    ASSERT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_TRUE(fake.messages.shown[1].text.contains(QString::fromUtf8("太大")));

    f.List1.AddItem("/m/new.mp3");
    store(f);
    ASSERT_EQ(fake.messages.shown.size(), 4u);
    EXPECT_TRUE(fake.messages.shown[3].text.contains(QString::fromUtf8("未保存")));
    EXPECT_EQ(QFileInfo(fake.file("xjge.txt")).size(), size);
    EXPECT_TRUE(fake.readFile("xjge.txt").startsWith("/m/a.mp3\r\n"));
}

TEST_F(PlaylistFileTest, EachLineIsDecodedByItselfAndUnchangedLinesKeepTheirBytes) {
    const QString utf8Song = QString::fromUtf8("/音乐/周杰伦 稻香.mp3");
    const QString gbkSong = QString::fromUtf8("/音乐/月亮代表我的心.mp3");
    const QByteArray broken("/m/\xff\xfe\x80ok.mp3");
    const QByteArray gbkBytes = gbk(gbkSong);
    fake.writeFile("xjge.txt", utf8Song.toUtf8() + "\r\n" + gbkBytes + "\r\n" + broken + "\n");
    Form2& f = start();
    const QStringList shown = entries();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_TRUE(shown.contains(utf8Song));
    EXPECT_TRUE(shown.contains(gbkSong));

    // Read, not changed, saved: the same bytes; a new entry goes in as UTF-8.
    const QString added = QString::fromUtf8("/m/新歌.mp3");
    f.List1.AddItem(added);
    store(f);
    QList<QByteArray> lines = savedLines();
    EXPECT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines.contains(utf8Song.toUtf8()));
    EXPECT_TRUE(lines.contains(gbkBytes));
    EXPECT_TRUE(lines.contains(broken));
    EXPECT_TRUE(lines.contains(added.toUtf8()));

    // What the user deletes stays deleted; the rest keeps its bytes from one run to the next.
    Form2& g = start();
    for (int i = 0; i < g.List1.ListCount(); ++i)
        g.List1.setSelected(i, g.List1.List(i) == utf8Song);
    g.listEditing.deleteSelected();
    store(g);
    lines = savedLines();
    EXPECT_EQ(lines.size(), 3);
    EXPECT_FALSE(lines.contains(utf8Song.toUtf8()));
    EXPECT_TRUE(lines.contains(gbkBytes));
    EXPECT_TRUE(lines.contains(broken));
}

TEST_F(PlaylistFileTest, LinesThatShowAsTheSameTextEachKeepTheirOwnBytes) {
    // One path saved once as UTF-8 and once as GBK, and a broken line that shows as the
    // replacement character beside one that holds it.
    const QString song = QString::fromUtf8("/音乐/月亮代表我的心.mp3");
    const QList<QByteArray> read{song.toUtf8(), gbk(song), "/m/\xef\xbf\xbd.mp3", "/m/\xff.mp3"};
    fake.writeFile("xjge.txt", read.join("\r\n") + "\r\n");
    Form2& f = start();
    ASSERT_EQ(entries().count(song), 2);
    ASSERT_EQ(entries().count(QString::fromUtf8("/m/\xef\xbf\xbd.mp3")), 2);

    store(f);
    QList<QByteArray> saved = savedLines();
    QList<QByteArray> expected = read;
    std::sort(saved.begin(), saved.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(saved, expected);

    // Read twice, as a recall does: each line read still goes back as it was.
    f.playlistFile.load();
    store(f);
    saved = savedLines();
    expected += read;
    std::sort(saved.begin(), saved.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(saved, expected);
}

// A line whose bytes are not those of its text written anew (a byte order mark before plain
// text, GBK) goes back as it was read, also when it came in by a later read than a plain line
// of the same text; new entries go in as UTF-8 each by itself, even with broken surrogates.
TEST_F(PlaylistFileTest, ReadLinesKeepTheirBytesAcrossReadsAndNewOnesAreUtf8) {
    const QString song = QString::fromUtf8("/音乐/月亮代表我的心.mp3");
    const QByteArray marked("\xEF\xBB\xBF/m/a.mp3");
    const QList<QByteArray> first{marked, "/m/b.mp3", song.toUtf8()};
    fake.writeFile("xjge.txt", first.join("\r\n") + "\r\n");
    Form2& f = start();
    ASSERT_TRUE(entries().contains("/m/a.mp3"));
    ASSERT_EQ(entries().size(), 3);

    // The same song in GBK, read by a recall.
    const QList<QByteArray> second{gbk(song)};
    fake.writeFile("xjge.txt", second.join("\r\n") + "\r\n");
    f.Command15_Click();
    ASSERT_EQ(entries().count(song), 2);

    // Halves of one surrogate pair at the end of one entry and the start of the next, and a
    // whole pair.
    const QStringList added{QStringLiteral("/m/x") + QChar(0xD83D),
                            QChar(0xDE00) + QStringLiteral("/m/y"),
                            QString::fromUtf8("/m/\xF0\x9F\x8E\xB5.mp3")};
    f.List1.AddItem(added[0], 0);
    f.List1.AddItem(added[1], 1);
    f.List1.AddItem(added[2]);
    store(f);
    QList<QByteArray> saved = savedLines();
    QList<QByteArray> expected = first + second;
    for (const QString& text : added)
        expected << text.toUtf8();
    ASSERT_EQ(saved.size(), expected.size());
    EXPECT_EQ(saved[0], added[0].toUtf8());
    EXPECT_EQ(saved[1], added[1].toUtf8());
    std::sort(saved.begin(), saved.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(saved, expected);
}

TEST_F(PlaylistFileTest, LinesPastTheListLimitAreKeptInTheFile) {
    // Written in falling order: the first 32767 lines fill the list, the last ones do not fit.
    const int total = 40000;
    QList<QByteArray> original;
    QByteArray bytes;
    for (int i = total - 1; i >= 0; --i) {
        original << QStringLiteral("/m/%1.mp3").arg(i, 5, 10, QLatin1Char('0')).toUtf8();
        bytes += original.last() + "\r\n";
    }
    fake.writeFile("xjge.txt", bytes);
    Form2& f = start();
    EXPECT_EQ(f.List1.ListCount(), ListBox::MaxCount);
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text,
              QString::fromUtf8(
                  "目录表最多只能容纳 32767 首，另有 7233 首未能加入，它们仍保留在目录库文件中。"));

    store(f);
    QList<QByteArray> lines = savedLines();
    ASSERT_EQ(lines.size(), total);
    for (int i = 0; i < ListBox::MaxCount; ++i)
        ASSERT_EQ(lines[i], f.List1.List(i).toUtf8());
    EXPECT_EQ(lines.mid(ListBox::MaxCount), original.mid(ListBox::MaxCount));

    // Every save writes them again, also after the user removed entries of the list.
    f.List1.setSelected(0, true);
    f.listEditing.deleteSelected();
    f.wenjianming = true;
    fake.messages.answers = {MsgResult::Yes};
    f.Form_Unload();
    EXPECT_TRUE(f.ended());
    lines = savedLines();
    EXPECT_EQ(lines.size(), total - 1);
    EXPECT_EQ(lines.mid(ListBox::MaxCount - 1), original.mid(ListBox::MaxCount));
}

// The file holds what the list would hold without its limit: reading it again does not add its
// tail a second time, and emptying the list empties the file.
TEST_F(PlaylistFileTest, ReadingAgainKeepsTheTailOnceAndClearingDropsIt) {
    const int total = 40000;
    QList<QByteArray> original;
    QByteArray bytes;
    for (int i = 0; i < total; ++i) {
        original << QStringLiteral("/m/%1.mp3").arg(i, 5, 10, QLatin1Char('0')).toUtf8();
        bytes += original.last() + "\r\n";
    }
    fake.writeFile("xjge.txt", bytes);
    Form2& f = start();
    for (int round = 0; round < 3; ++round) {
        fake.messages.answers = {MsgResult::Yes};
        f.listEditing.clear();
        f.Command15_Click();
        EXPECT_EQ(f.List1.ListCount(), ListBox::MaxCount);
        store(f);
        const QList<QByteArray> lines = savedLines();
        ASSERT_EQ(lines.size(), total) << "round " << round;
        ASSERT_TRUE(lines == original) << "round " << round;
    }
    fake.messages.answers = {MsgResult::Yes};
    f.listEditing.clear();
    store(f);
    EXPECT_TRUE(savedLines().isEmpty());
}

TEST_F(PlaylistFileTest, AReadOnlyFileIsNotWrittenAndASaveKeepsTheMode) {
    fake.writeFile("xjge.txt", "/m/a.mp3\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(fake.file("xjge.txt")).constData(), 0444), 0);
    Form2& f = start();
    f.List1.AddItem("/m/b.mp3");
    store(f);
    ASSERT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_EQ(fake.messages.shown[1].text,
              QString::fromUtf8("无法写入目录库文件：") + f.playlistFile.path());
    EXPECT_EQ(fake.readFile("xjge.txt"), QByteArray("/m/a.mp3\r\n"));
    EXPECT_EQ(mode("xjge.txt"), 0444u);

    ASSERT_EQ(::chmod(QFile::encodeName(fake.file("xjge.txt")).constData(), 0640), 0);
    store(f);
    EXPECT_EQ(fake.readFile("xjge.txt"), QByteArray("/m/a.mp3\r\n/m/b.mp3\r\n"));
    EXPECT_EQ(mode("xjge.txt"), 0640u);
}

TEST_F(PlaylistFileTest, WhatAKilledSaveLeftIsClearedAtTheNextStartAndNothingElse) {
    fake.writeFile("xjge.txt", "/m/a.mp3\r\n");
    const QString list = fake.file("xjge.txt");
    const QString staged = textfile::stagingPath(list);
    ASSERT_TRUE(QFileInfo(staged).absolutePath() == QFileInfo(list).absolutePath());
    // A run killed between writing and the swap, and one killed while writing where no
    // unnamed file could be made (the library's own temporary beside the staged one).
    const auto plant = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    plant(staged, "/m/b.mp3\r\n");
    plant(staged + ".AbCdEf", "/m/c.m");
    plant(textfile::stagingPath(fake.file("xp.txt")), " 1 \r\n");
    // The user's own files that look alike stay.
    const QStringList users = {"xjge.txt.backup", "xjge.txt.1", "xjge.txt.xjsave.ab1234",
                               "xjge.txt.xjsave.AbCdEfG", "xjge.txt.xjsaved"};
    for (const QString& name : users)
        plant(fake.file(name), "mine\r\n");
    ASSERT_TRUE(QDir().mkdir(staged + ".Folder"));
    ASSERT_TRUE(QFile::link(fake.file("xjge.txt.backup"), fake.file("xjge.txt.xjsave.Linked")));

    Form2& f = start();
    EXPECT_EQ(entries(), QStringList({"/m/a.mp3"}));
    EXPECT_FALSE(f.mnuyouxp.Checked);
    EXPECT_TRUE(fake.messages.shown.empty());
    QStringList left = QDir(QFileInfo(list).absolutePath())
                           .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    QStringList expected = users;
    expected << "xjge.txt"
             << "xp.txt"
             << "xjge.txt.xjsave.Folder"
             << "xjge.txt.xjsave.Linked";
    left.sort();
    expected.sort();
    EXPECT_EQ(left.join(' ').toStdString(), expected.join(' ').toStdString());
    for (const QString& name : users)
        EXPECT_EQ(fake.readFile(name), QByteArray("mine\r\n")) << name.toStdString();

    // A save goes through the staged name and leaves nothing of it behind.
    f.List1.AddItem("/m/d.mp3");
    store(f);
    EXPECT_EQ(fake.readFile("xjge.txt"), QByteArray("/m/a.mp3\r\n/m/d.mp3\r\n"));
    EXPECT_FALSE(QFileInfo::exists(staged));
    EXPECT_EQ(QDir(QFileInfo(list).absolutePath())
                  .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                  .size(),
              expected.size());
}

TEST_F(PlaylistFileTest, FilesBesideAnExecutableThatCannotBeWrittenAreReadUntilSavedElsewhere) {
    QTemporaryDir installed;
    ASSERT_TRUE(installed.isValid());
    const QString installedList = QDir(installed.path()).filePath("xjge.txt");
    {
        QFile list(installedList);
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write("/m/b.mp3\r\n/m/a.mp3\r\n");
        QFile xp(QDir(installed.path()).filePath("xp.txt"));
        ASSERT_TRUE(xp.open(QIODevice::WriteOnly));
        xp.write(" 1 \r\n");
    }
    QFile::remove(fake.file("xp.txt"));
    fake.platform.executableFolder = installed.path();

    Form2& f = start();
    EXPECT_EQ(entries(), QStringList({"/m/a.mp3", "/m/b.mp3"}));
    EXPECT_TRUE(f.mnuyouxp.Checked);
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_FALSE(fake.exists("xjge.txt"));

    // Saves go to the user's folder; from then on that one is read.
    f.List1.AddItem("/m/c.mp3");
    store(f);
    f.mnuyouxp.Click();
    EXPECT_EQ(fake.readFile("xjge.txt"), QByteArray("/m/a.mp3\r\n/m/b.mp3\r\n/m/c.mp3\r\n"));
    EXPECT_EQ(fake.readFile("xp.txt"), QByteArray("no xp\r\n"));
    QFile list(installedList);
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll(), QByteArray("/m/b.mp3\r\n/m/a.mp3\r\n"));

    Form2& g = start();
    EXPECT_EQ(entries(), QStringList({"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"}));
    EXPECT_FALSE(g.mnuyouxp.Checked);
}

} // namespace
} // namespace xj::test
