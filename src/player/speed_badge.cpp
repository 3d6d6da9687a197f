#include "player/speed_badge.h"

namespace xj {

SpeedBadge::SpeedBadge() {
    greenOnBlack(label);
    timer.onTimer = [this] { hide(); };
}

void SpeedBadge::show(const QString& text) {
    label.Caption = text;
    label.Visible = true;
    if (timer.Enabled())
        timer.restart();
    else
        timer.setEnabled(true);
}

void SpeedBadge::hide() {
    label.Visible = false;
    timer.setEnabled(false);
}

} // namespace xj
