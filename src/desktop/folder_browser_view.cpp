#include "desktop/folder_browser_view.h"

#include "core/form2.h"
#include "desktop/control_widgets.h"
#include "desktop/front_end.h"
#include "desktop/geometry.h"
#include "desktop/window_sync.h"
#include "playlist/form4.h"

#include <QCloseEvent>
#include <QFrame>
#include <QWindow>

namespace xj {

FolderBrowserView::FolderBrowserView(Form4& browser, FrontEnd& front, QWidget* owner)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      front_(front) {
    setObjectName(browser.Name);
    for (Control* c : browser.controls()) {
        QWidget* w;
        if (c == &browser.Frame1) {
            auto* frame = new QFrame(this);
            frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
            frame->setObjectName(c->Name);
            w = frame;
        } else {
            w = createControlWidget(*c, browser.Name, front, this);
        }
        widgets_.push_back(w);
    }
    // Above the panel without being its child, which would share its disabled state.
    owner->winId();
    winId();
    windowHandle()->setTransientParent(owner->windowHandle());
}

void FolderBrowserView::mirror(Form4& browser) {
    const std::vector<Control*> controls = browser.controls();
    for (size_t i = 0; i < controls.size(); ++i)
        mirrorControl(*controls[i], widgets_[i]);
    // The browser's controls keep their places: its size is fixed.
    const QSize client = geometry::windowClient(browser.Width(), browser.Height());
    if (minimumSize() != client || maximumSize() != client) setFixedSize(client);
    mirrorWindow(this, browser, client, focusSeen_, placement_);
    if (!shown_ && isVisible()) {
        // A window that opens takes the focus.
        shown_ = true;
        raise();
        activateWindow();
    }
}

void FolderBrowserView::closeEvent(QCloseEvent* event) {
    event->accept();
    Form2& form = front_.form();
    if (front_.syncing() || !form.form4IfLoaded()) return;
    front_.forward([&form] { form.Form4_Unload(); });
}

void FolderBrowserView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (Form4* browser = front_.form().form4IfLoaded())
        reportWindowMove(front_, *browser, this, placement_);
}

} // namespace xj
