#include "desktop/panel_view.h"

#include "core/form2.h"
#include "desktop/artwork.h"
#include "desktop/control_widgets.h"
#include "desktop/front_end.h"
#include "desktop/geometry.h"
#include "desktop/menu_mirror.h"
#include "desktop/window_sync.h"

#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

namespace xj {

namespace {

// The client area: the program's own pattern, tiled.
class PanelCanvas : public QWidget {
public:
    explicit PanelCanvas(QWidget* parent) : QWidget(parent), tile_(artwork::panelTile()) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawTiledPixmap(rect(), tile_);
    }

private:
    QPixmap tile_;
};

// The height Qt's layout gives a shown menu bar at this width.
int menuBarHeight(QMenuBar* bar, int width) {
    int h = bar->heightForWidth(std::max(width, bar->minimumWidth()));
    if (h < 0) h = bar->sizeHint().height();
    return std::max(h, bar->minimumSizeHint().height());
}

// Menu shortcuts come before a control's own keys (an edit box's Ctrl+Z, Ctrl+A...), as
// accelerators do on the system the program comes from.
class MenuKeysFirst : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        const QKeySequence keys(static_cast<QKeyEvent*>(event)->keyCombination());
        for (QAction* a : static_cast<QWidget*>(watched)->window()->actions())
            if (a->isEnabled() && a->shortcut() == keys) {
                event->ignore();
                return true;
            }
        return false;
    }
};

} // namespace

PanelView::PanelView(Form2& form, FrontEnd& front) : form_(form), front_(front) {
    setObjectName(form.Name);
    auto* canvas = new PanelCanvas(this);
    canvas->setObjectName(QStringLiteral("Form2Client"));
    setCentralWidget(canvas);
    auto* menuKeys = new MenuKeysFirst(this);
    for (Control* c : form.controls()) {
        if (c->NeverShown) continue;
        QWidget* w = createControlWidget(*c, form.Name, front, canvas);
        controls_.emplace_back(c, w);
        w->installEventFilter(menuKeys);
        for (QWidget* part : w->findChildren<QWidget*>())
            part->installEventFilter(menuKeys);
    }
    menus_ = std::make_unique<MenuMirror>(form, front, menuBar(), this);
}

PanelView::~PanelView() = default;

bool PanelView::menuBarShown() const {
    return !menuBar()->isHidden();
}

void PanelView::mirror() {
    menus_->mirror();
    for (auto [control, widget] : controls_)
        mirrorControl(*control, widget);
    const bool bar = menuBarShown();
    QSize size = geometry::panelClient(form_.Width(), form_.Height(), bar);
    if (bar) size.rheight() += menuBarHeight(menuBar(), size.width());
    mirrorWindow(this, form_, size, focusSeen_, placement_);
}

void PanelView::popup(Menu& menu) {
    if (QMenu* m = menus_->menuOf(menu)) m->popup(QCursor::pos());
}

void PanelView::closeEvent(QCloseEvent* event) {
    if (front_.syncing() || form_.ended()) {
        event->accept();
        return;
    }
    // The panel's unload decides; the window closes only when the program ends.
    event->ignore();
    front_.forward([this] { form_.Form_Unload(); });
    if (form_.ended()) event->accept();
}

void PanelView::reportGeometry() {
    const bool bar = menuBarShown();
    const QSize client = centralWidget()->size();
    reportWindowSize(front_, form_, this, client,
                     geometry::panelClient(form_.Width(), form_.Height(), bar),
                     geometry::panelOuter(client, bar));
}

void PanelView::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    reportGeometry();
}

void PanelView::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    reportWindowMove(front_, form_, this, placement_);
}

void PanelView::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) reportGeometry();
}

} // namespace xj
