#include "desktop/mpris_root.h"

#include "desktop/mpris.h"
#include "desktop/mpris_values.h"

namespace xj {

MprisRoot::MprisRoot(Mpris& mpris) : QDBusAbstractAdaptor(&mpris), mpris_(mpris) {}

QString MprisRoot::Identity() const {
    return QString::fromUtf8("星鲸超级声海");
}

QStringList MprisRoot::SupportedMimeTypes() const {
    return mprisvalues::supportedMimeTypes();
}

void MprisRoot::Raise() {
    mpris_.raise();
}

void MprisRoot::Quit() {
    mpris_.quit();
}

} // namespace xj
