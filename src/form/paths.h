#pragma once

#include <QString>

namespace xj {

// The path of `name` in `folder`; a folder that already ends with the separator (a drive's
// root) takes the name directly.
inline QString childPath(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// The drive lists' word for a drive that cannot be read.
inline QString notReadyText(const QString& driveText) {
    return QString::fromUtf8("驱动器 ") + driveText.toUpper() + QString::fromUtf8(" 未准备好！");
}

} // namespace xj
