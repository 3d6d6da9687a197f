#include "desktop/media_text.h"

#include <QFileInfo>

#include <cmath>

namespace xj::mediaText {

namespace {

QString kbps(qint64 bitsPerSecond) {
    return QStringLiteral("%1 kbps").arg(std::llround(static_cast<double>(bitsPerSecond) / 1000));
}

// A codec with its stream's bit rate where it is known.
QString codec(const QString& name, qint64 bitrate) {
    return bitrate > 0 ? name + QString::fromUtf8("，") + kbps(bitrate) : name;
}

QString channels(int count) {
    if (count == 1) return QString::fromUtf8("单声道");
    if (count == 2) return QString::fromUtf8("立体声");
    return QString::fromUtf8("%1 声道").arg(count);
}

} // namespace

QString clock(double seconds) {
    const long long total = seconds > 0 ? static_cast<long long>(std::floor(seconds)) : 0;
    const long long h = total / 3600, m = total / 60 % 60, s = total % 60;
    const QString ss = QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
    if (h > 0) return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(ss);
    return QStringLiteral("%1:%2").arg(m).arg(ss);
}

QStringList detailLines(const MediaDetails& d, const QString& path) {
    QStringList lines;
    auto add = [&lines](const char* name, const QString& value) {
        if (!value.isEmpty()) lines << QString::fromUtf8(name) + QString::fromUtf8("：") + value;
    };
    add("文件", QFileInfo(path).fileName());
    add("格式", d.container);
    if (d.duration > 0) add("时长", clock(d.duration));
    if (!d.videoCodec.isEmpty()) add("视频编码", codec(d.videoCodec, d.videoBitrate));
    if (d.width > 0 && d.height > 0)
        add("画面尺寸", QString::fromUtf8("%1×%2").arg(d.width).arg(d.height));
    if (d.frameRate > 0) add("帧率", QStringLiteral("%1 fps").arg(d.frameRate, 0, 'g', 5));
    if (!d.audioCodec.isEmpty()) add("音频编码", codec(d.audioCodec, d.audioBitrate));
    if (d.sampleRate > 0) add("采样率", QStringLiteral("%1 Hz").arg(d.sampleRate));
    if (d.channels > 0) add("声道", channels(d.channels));
    if (d.bitrate > 0) add("码率", kbps(d.bitrate));
    add("标题", d.title);
    add("艺术家", d.artist);
    add("专辑", d.album);
    return lines;
}

QString entryTitle(const MediaDetails& d, const QString& path) {
    return d.title.isEmpty() ? QFileInfo(path).fileName() : d.title;
}

} // namespace xj::mediaText
