#include "playlist/media_types.h"

#include <gtest/gtest.h>

namespace xj::test {
namespace {

using namespace mediatypes;

TEST(MediaTypes, DialogFilterHasTenChoicesInOrderWithTheEmptyMask) {
    const QString filter = dialogFilter();
    const QStringList fields = filter.split('|');
    ASSERT_EQ(fields.size(), 20);
    EXPECT_EQ(fields[0], QString::fromUtf8("星鲸媒体文件"));
    EXPECT_TRUE(fields[1].contains("*.ivf;;*.aif"));
    EXPECT_EQ(fields[12], QString::fromUtf8("WINDOWS MEDIA 音频文件"));
    EXPECT_EQ(fields[19], "*.*");
    EXPECT_FALSE(filter.startsWith('|'));
    EXPECT_FALSE(filter.endsWith('|'));
    const QStringList qt = qtFilter(filter).split(";;");
    ASSERT_EQ(qt.size(), 10);
    EXPECT_EQ(qt[1], QString::fromUtf8("MP3文件 (*.mp3 *.m3u)"));
    EXPECT_FALSE(qt[0].contains("  ")); // the empty mask is dropped
}

TEST(MediaTypes, TypeTextSelectsThePatternOrKeepsThePreviousOne) {
    EXPECT_EQ(patternFor(QString::fromUtf8("MIDI文件"), "*.mp3"), "*.midi");
    EXPECT_EQ(patternFor(QString::fromUtf8("影音文件"), "*.mp3"), "*.mpeg");
    EXPECT_EQ(patternFor("*.mp3;*.wav", "*.au"), "*.mp3;*.wav");
    EXPECT_EQ(patternFor("mp3", "*.au"), "*.au");
    EXPECT_EQ(patternFor(QString::fromUtf8("MP3文件 "), "*.au"), "*.au");
    EXPECT_EQ(masks("*.mp3;*.wav"), QStringList({"*.mp3", "*.wav"}));
}

TEST(MediaTypes, MasksMatchWithoutRegardToCase) {
    const QStringList media = masks(patternFor(QString::fromUtf8("星鲸媒体文件"), ""));
    EXPECT_TRUE(matches("SONG.MP3", media));
    EXPECT_TRUE(matches("clip.DAT", media));
    EXPECT_FALSE(matches("film.mpg", media));
    EXPECT_TRUE(matches("x", masks("*.*")));
    EXPECT_TRUE(matches("track01.wav", masks("track??.wav")));
    EXPECT_FALSE(matches("track1.wav", masks("track??.wav")));
    EXPECT_FALSE(matches("a.mp3.txt", masks("*.mp3")));
}

} // namespace
} // namespace xj::test
