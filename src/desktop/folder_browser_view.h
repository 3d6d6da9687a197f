#pragma once

#include "desktop/window_sync.h"

#include <QWidget>
#include <vector>

namespace xj {

class Control;
class Form2;
class Form4;
class FrontEnd;

// The folder browser window: a widget per control over a frame. The front-end builds it when
// the browser opens and drops it when the browser closes, so its widgets serve one browser.
// It stays above the panel; closing it is the browser's close button.
class FolderBrowserView : public QWidget {
    Q_OBJECT
public:
    FolderBrowserView(Form4& browser, FrontEnd& front, QWidget* owner);

    void mirror(Form4& browser);

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    FrontEnd& front_;
    std::vector<QWidget*> widgets_; // in the order of the browser's controls
    unsigned focusSeen_ = 0;
    Placement placement_;
    bool shown_ = false;
};

} // namespace xj
