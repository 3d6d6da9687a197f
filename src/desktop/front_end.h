#pragma once

#include "desktop/player_view.h"

#include <functional>
#include <memory>

class QWidget;

namespace xj {

class FolderBrowserView;
class Form2;
class PanelView;
class TimerBridge;
class Window;

// The Qt front-end of the model: the panel and player windows and the timers. Every user event
// goes through forward(), which runs the handler and then brings the widgets up to date.
class FrontEnd {
public:
    using VideoFactory = PlayerView::VideoFactory;

    // Builds the windows (hidden) and takes the form's hooks; `video` makes the player window's
    // video view, none when empty.
    explicit FrontEnd(Form2& form, const VideoFactory& video = {});
    ~FrontEnd();
    FrontEnd(const FrontEnd&) = delete;
    FrontEnd& operator=(const FrontEnd&) = delete;

    // Runs start-up, then shows what it made.
    void start();
    // Runs one event handler (a failure ends it silently), then syncs.
    void forward(const std::function<void()>& handler);
    // Brings every widget and timer up to date with the model; after the program ended, stops
    // the timers and closes the windows.
    void sync();
    // True while widgets are being set from the model: their signals are not user events.
    bool syncing() const { return syncing_; }
    // Runs after every mirror pass while the program runs.
    std::function<void()> onMirrored;

    Form2& form() { return form_; }
    PanelView& panel() { return *panel_; }
    PlayerView& player() { return *player_; }
    // The folder browser's window while the browser is open; nullptr otherwise.
    FolderBrowserView* browser() { return browser_.get(); }
    // The widget of a model window; nullptr for none.
    QWidget* widgetOf(const Window& window);

private:
    void mirrorBrowser();

    Form2& form_;
    bool syncing_ = false;
    bool again_ = false;
    std::unique_ptr<TimerBridge> timers_;
    std::unique_ptr<PanelView> panel_;
    std::unique_ptr<PlayerView> player_;
    std::unique_ptr<FolderBrowserView> browser_;
};

} // namespace xj
