#pragma once

#include <QString>

#include <map>

// Media made with ffmpeg at test time. Each function writes `name` into the folder `dir` and
// returns the file's full path; the format follows the name's extension. A failure throws
// std::runtime_error with ffmpeg's message.
namespace xj::test {

// A 440 Hz tone; any audio container ffmpeg knows by extension (.wav, .flac, .ogg...).
QString makeTone(const QString& dir, const QString& name, double seconds);
QString makeWav(const QString& dir, const QString& name, double seconds);
QString makeMp3(const QString& dir, const QString& name, double seconds);

// A small coloured test pattern (160x120, 25 fps) with a tone; .avi and .mp4 carry MPEG-4
// video, .mpg and .mpeg MPEG-1, anything else ffmpeg's default for the extension.
QString makeVideo(const QString& dir, const QString& name, double seconds = 1.0,
                  bool withAudio = true);

// The coloured test pattern in H.264 (yuv420p) at `fps`, with a keyframe only every
// `keyframeSeconds`, and an AAC tone; for .mp4 and .mkv. `preset` is x264's: "medium" is its
// default, "ultrafast" encodes quickest (and decodes quickest: no B-frames, no CABAC).
QString makeH264Video(const QString& dir, const QString& name, double seconds, int width,
                      int height, int fps, int keyframeSeconds,
                      const QString& preset = QStringLiteral("ultrafast"));

// A tone carrying the given tags (title, artist, album...), in the container of the extension.
QString makeTaggedTone(const QString& dir, const QString& name, double seconds,
                       const std::map<QString, QString>& tags);

// A video of one solid colour (an ffmpeg colour name such as "red"), 160x120, 25 fps, no sound.
QString makeSolidVideo(const QString& dir, const QString& name, const QString& colour,
                       double seconds = 1.0);

// One frame of the coloured test pattern (.png, .bmp, .jpg, .gif...).
QString makePicture(const QString& dir, const QString& name, int width = 160, int height = 120);

// Random bytes, for a file whose name promises a format its content does not have.
QString makeGarbage(const QString& dir, const QString& name, qint64 bytes);

// The first `bytes` bytes of `source`, as a download cut off would leave it.
QString makeTruncated(const QString& source, const QString& dir, const QString& name, qint64 bytes);

// A WAV (8 kHz, 8-bit mono) whose header claims `claimedSeconds` of sound while the file holds
// only `realSeconds` of it.
QString makeLyingWav(const QString& dir, const QString& name, double claimedSeconds,
                     double realSeconds);

// Entries that are not regular files: a named pipe, and a UNIX socket's file (nobody listens).
QString makeFifo(const QString& dir, const QString& name);
QString makeSocket(const QString& dir, const QString& name);
// Lets a reader blocked opening the pipe go on (it reads end-of-file at once). False when
// nobody is opening it.
bool releaseFifo(const QString& path);

} // namespace xj::test
