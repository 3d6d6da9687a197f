#pragma once

#include "form/control.h"
#include "form/timer.h"

namespace xj {

// The speed, shown over the top left of the picture for a while after every change: nothing
// else tells the user how fast the entry runs.
class SpeedBadge {
public:
    static constexpr int ShownMs = 2000;

    SpeedBadge();

    Label label{"SpeedBadge", 120, 120, 1500, 420, false};
    Timer timer{"SpeedTimer", ShownMs, false};

    // Shows the text, for a full while from now.
    void show(const QString& text);
    void hide();
};

} // namespace xj
