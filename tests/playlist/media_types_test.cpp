#include "playlist/media_types.h"

#include <gtest/gtest.h>

namespace xj::test {
namespace {

using namespace mediatypes;

TEST(MediaTypes, DialogFilterHasTheTenChoicesThenTodaysFormats) {
    const QString filter = dialogFilter();
    const QStringList fields = filter.split('|');
    ASSERT_EQ(fields.size(), 26);
    EXPECT_EQ(fields[0], QString::fromUtf8("星鲸媒体文件"));
    EXPECT_TRUE(fields[1].contains("*.ivf;;*.aif"));
    EXPECT_EQ(fields[12], QString::fromUtf8("WINDOWS MEDIA 音频文件"));
    EXPECT_EQ(fields[19], "*.*");
    EXPECT_FALSE(filter.startsWith('|'));
    EXPECT_FALSE(filter.endsWith('|'));
    const QStringList qt = qtFilter(filter).split(";;");
    ASSERT_EQ(qt.size(), 13);
    EXPECT_EQ(qt[1], QString::fromUtf8("MP3文件 (*.mp3 *.m3u)"));
    EXPECT_FALSE(qt[0].contains("  ")); // the empty mask is dropped
    EXPECT_EQ(qt[9], QString::fromUtf8("所有文件(*.*) (*.*)"));
    EXPECT_EQ(qt[10], QString::fromUtf8("常用音频文件 (*.mp3 *.flac *.ogg *.oga *.opus *.m4a *.aac "
                                        "*.wav *.wma *.ape *.wv *.mka)"));
    EXPECT_EQ(qt[11], QString::fromUtf8("常用视频文件 (*.mp4 *.mkv *.webm *.mov *.avi *.wmv *.flv "
                                        "*.ts *.m2ts *.mpg *.mpeg *.3gp)"));
    EXPECT_EQ(qt[12], QString::fromUtf8("常用图片文件 (*.png *.jpg *.jpeg *.webp *.gif *.bmp *.tif "
                                        "*.tiff)"));
    // The type boxes' labels select the same patterns as the dialog's.
    for (int i = 10; i < 13; ++i) {
        EXPECT_EQ(commonTypeLabels()[i - 10], fields[2 * i]);
        EXPECT_EQ(patternFor(fields[2 * i], "*.mp3"), fields[2 * i + 1]);
    }
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

    const QStringList video = masks(patternFor(QString::fromUtf8("常用视频文件"), ""));
    EXPECT_TRUE(matches("Film.MKV", video));
    EXPECT_TRUE(matches("clip.webm", video));
    EXPECT_FALSE(matches("song.flac", video));
}

TEST(MediaTypes, TodaysSoundOnlyFormatsAreNamedByTheirEnding) {
    for (const char* name : {"a.flac", "a.OGG", "a.oga", "a.opus", "a.m4a", "a.aac", "a.wma",
                             "a.ape", "a.wv", "a.mka", "a.mp3", "a.wav"})
        EXPECT_TRUE(isCommonAudio(name)) << name;
    for (const char* name : {"a.mid", "a.mp4", "a.mkv", "a.webm", "flac", "a.flac.txt"})
        EXPECT_FALSE(isCommonAudio(name)) << name;
    EXPECT_FALSE(isCommonAudio("a.FLAC", Qt::CaseSensitive));
}

} // namespace
} // namespace xj::test
