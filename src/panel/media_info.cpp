#include "panel/media_info.h"

#include "core/form2.h"
#include "player/form1.h"

namespace xj {

void MediaInfo::toggle() {
    f_.MNUMIANBAN.Checked = !f_.MNUMIANBAN.Checked;
    Form1& player = f_.form1();
    MediaPlayer& mp = player.MediaPlayer1;
    mp.setShowDisplay(!mp.ShowDisplay());
    if (player.windowState() != WindowState::Normal) return;
    mp.Width = player.Width();
    if (mp.isAudio()) {
        mp.Height = f_.MNUMIANBAN.Checked ? Form1::InfoControlHeight : Form1::AudioControlHeight;
        player.setHeight(mp.Height + player.frameHeight());
        player.setWidth(f_.Width());
    } else {
        mp.Height = player.Height() - player.frameHeight();
    }
}

} // namespace xj
