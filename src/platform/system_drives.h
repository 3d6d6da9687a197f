#pragma once

#include "ports/platform.h"

namespace xj {

// The drives of this desktop: the system root as c:, the user's home folder as d:, then the
// mounted data and removable volumes, each shown as "x: [folder]".
class SystemDrives : public Drives {
public:
    std::vector<DriveInfo> list() override;
    QString currentFolder() override;
};

} // namespace xj
