#include "playlist/media_types.h"

#include <QRegularExpression>
#include <utility>

namespace xj::mediatypes {

namespace {
// Today's formats, offered after the original choices in the dialog and in both type boxes.
constexpr const char* kCommonAudio =
    "*.mp3;*.flac;*.ogg;*.oga;*.opus;*.m4a;*.aac;*.wav;*.wma;*.ape;*.wv;*.mka";
constexpr const char* kCommonVideo =
    "*.mp4;*.mkv;*.webm;*.mov;*.avi;*.wmv;*.flv;*.ts;*.m2ts;*.mpg;*.mpeg;*.3gp";
constexpr const char* kCommonPictures = "*.png;*.jpg;*.jpeg;*.webp;*.gif;*.bmp;*.tif;*.tiff";

const std::pair<const char*, const char*> kDialog[] = {
    {"星鲸媒体文件",
     "*.mp3;*.m3u;*.wav;*.avi;*.DAT;*.mpeg;*.mpg;*.mpe;*.mp2;*.mpv2;*.mp2v;*.mpa;*.wma;*.wax;*.au;"
     "*.asf;*.asx;*.wm;*.wmv;*.mid;*.midi;*.rmi;*.ivf;;*.aif;*.aifc;*.aiff;*.snd;*.mov;*.qt"},
    {"MP3文件", "*.mp3;*.m3u"},
    {"星鲸图片文件", "*.BMP;*.GIF;*.psd;*.jpg"},
    {"纯声音文件", "*.wav"},
    {"VCD文件", "*.DAT"},
    {"影音文件", "*.mpeg;*.mpg;*.mpe;*.mp2;*.mpv2;*.mp2v;*.mpa"},
    {"WINDOWS MEDIA 音频文件", "*.wma;*.wax"},
    {"AU格式声音", "*.au"},
    {"AVI", "*.avi"},
    {"所有文件(*.*)", "*.*"},
    {"常用音频文件", kCommonAudio},
    {"常用视频文件", kCommonVideo},
    {"常用图片文件", kCommonPictures},
};

const std::pair<const char*, const char*> kTypes[] = {
    {"MP3文件", "*.mp3"},
    {"纯声音文件", "*.wav"},
    {"MIDI文件", "*.midi"},
    {"影音文件", "*.mpeg"},
    {"AVI文件", "*.avi"},
    {"音频文件", "*.wma"},
    {"视频文件", "*.wmv"},
    {"AU格式声音", "*.au"},
    {"BMP图片", "*.BMP"},
    {"GIF图片", "*.GIF"},
    {"VCD文件", "*.DAT"},
    {"星鲸媒体文件", "*.mp3;*.m3u;*.wav;*.avi;*.DAT;*.mpeg;*.midi"},
    {"星鲸图片文件", "*.BMP;*.GIF;*.psd;*.jpg"},
    {"所有文件", "*.*"},
    {"常用音频文件", kCommonAudio},
    {"常用视频文件", kCommonVideo},
    {"常用图片文件", kCommonPictures},
};
} // namespace

QString dialogFilter() {
    QStringList fields;
    for (const auto& [label, patterns] : kDialog)
        fields << QString::fromUtf8(label) << QString::fromUtf8(patterns);
    return fields.join(QLatin1Char('|'));
}

QString qtFilter(const QString& filter) {
    const QStringList fields = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < fields.size(); i += 2)
        out << fields[i] + QStringLiteral(" (") + masks(fields[i + 1]).join(QLatin1Char(' ')) +
                   QLatin1Char(')');
    return out.join(QStringLiteral(";;"));
}

QString patternFor(const QString& typeText, const QString& previous) {
    if (typeText.startsWith(QStringLiteral("*."))) return typeText;
    for (const auto& [label, pattern] : kTypes)
        if (typeText == QString::fromUtf8(label)) return QString::fromUtf8(pattern);
    return previous;
}

QStringList commonTypeLabels() {
    return {QString::fromUtf8("常用音频文件"), QString::fromUtf8("常用视频文件"),
            QString::fromUtf8("常用图片文件")};
}

bool isCommonAudio(const QString& path, Qt::CaseSensitivity cs) {
    for (const QString& mask : masks(QString::fromUtf8(kCommonAudio)))
        if (path.endsWith(mask.mid(1), cs)) return true;
    return false;
}

QStringList masks(const QString& pattern) {
    QStringList out;
    for (const QString& m : pattern.split(QLatin1Char(';')))
        if (!m.trimmed().isEmpty()) out << m.trimmed();
    return out;
}

bool matches(const QString& fileName, const QStringList& maskList) {
    for (const QString& mask : maskList) {
        // "*.*" matches every name, also one without a dot, as on the desktop it came from.
        if (mask == QStringLiteral("*.*") || mask == QStringLiteral("*")) return true;
        if (mask.startsWith(QStringLiteral("*.")) && !mask.mid(2).contains(QLatin1Char('*')) &&
            !mask.contains(QLatin1Char('?'))) {
            const QString ext = mask.mid(1); // ".mp3"
            if (fileName.size() > ext.size() && fileName.endsWith(ext, Qt::CaseInsensitive))
                return true;
            continue;
        }
        if (QRegularExpression::fromWildcard(mask, Qt::CaseInsensitive).match(fileName).hasMatch())
            return true;
    }
    return false;
}

} // namespace xj::mediatypes
