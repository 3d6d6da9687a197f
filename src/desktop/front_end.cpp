#include "desktop/front_end.h"

#include "core/form2.h"
#include "desktop/folder_browser_view.h"
#include "desktop/panel_view.h"
#include "desktop/timer_bridge.h"
#include "form/events.h"
#include "player/form1.h"

namespace xj {

FrontEnd::FrontEnd(Form2& form, const VideoFactory& video) : form_(form) {
    // Widgets fill in while they are built; none of that is the user's doing.
    syncing_ = true;
    timers_ = std::make_unique<TimerBridge>(*this);
    panel_ = std::make_unique<PanelView>(form, *this);
    player_ = std::make_unique<PlayerView>(form, *this, video);
    syncing_ = false;
    form.onPopupMenu = [this](Menu& menu) { panel_->popup(menu); };
    form.onChanged = [this] { sync(); };
}

FrontEnd::~FrontEnd() {
    form_.onPopupMenu = nullptr;
    form_.onChanged = nullptr;
    timers_->stopAll();
    browser_.reset();
    // The video view goes first, while the engine still stands.
    player_.reset();
    panel_.reset();
}

void FrontEnd::start() {
    forward([this] { form_.start(); });
}

void FrontEnd::forward(const std::function<void()>& handler) {
    runHandler(handler);
    sync();
}

void FrontEnd::sync() {
    if (syncing_) {
        again_ = true;
        return;
    }
    syncing_ = true;
    do {
        again_ = false;
        if (form_.ended()) {
            timers_->stopAll();
            mirrorBrowser();
            player_->close();
            panel_->close();
            break;
        }
        timers_->mirror(form_.timers());
        panel_->mirror();
        player_->mirror();
        mirrorBrowser();
    } while (again_);
    syncing_ = false;
    if (onMirrored && !form_.ended()) onMirrored();
}

void FrontEnd::mirrorBrowser() {
    // The browser is a new object each time it opens, so its window is too.
    Form4* browser = form_.ended() ? nullptr : form_.form4IfLoaded();
    if (!browser) {
        if (browser_) {
            // Later: this may run inside one of its widgets' own events.
            browser_->hide();
            browser_.release()->deleteLater();
        }
        return;
    }
    if (!browser_) browser_ = std::make_unique<FolderBrowserView>(*browser, *this, panel_.get());
    browser_->mirror(*browser);
}

QWidget* FrontEnd::widgetOf(const Window& window) {
    if (&window == &form_) return panel_.get();
    if (&window == form_.form1IfLoaded()) return player_.get();
    if (browser_ && &window == form_.form4IfLoaded()) return browser_.get();
    return nullptr;
}

} // namespace xj
