#include "desktop/player_view.h"

#include "core/form2.h"
#include "desktop/artwork.h"
#include "desktop/control_events.h"
#include "desktop/control_widgets.h"
#include "desktop/front_end.h"
#include "desktop/geometry.h"
#include "desktop/panel_view.h"
#include "desktop/video_view.h"
#include "desktop/window_sync.h"
#include "player/form1.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>

namespace xj {

namespace {

class Backdrop : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        artwork::paintPlayerBackdrop(p, rect());
    }
};

// The audio strip: right above the panel, its left edge on the panel's.
bool onPanel(const Form1& player, const Form2& panel) {
    return player.Left == panel.Left && player.Top + player.Height() == panel.Top;
}

} // namespace

PlayerView::PlayerView(Form2& form, FrontEnd& front, const VideoFactory& video)
    : form_(form), front_(front), backdrop_(new Backdrop(this)), speedBadge_(new QLabel(this)) {
    setObjectName(QStringLiteral("Form1"));
    backdrop_->setObjectName(QStringLiteral("Image1"));
    if (video) {
        video_ = video(this);
        video_->setObjectName(QStringLiteral("MediaPlayer1"));
        connect(video_, &VideoView::mousePressed, this, &PlayerView::videoPressed);
    }
    speedBadge_->setObjectName(QStringLiteral("SpeedBadge"));
    speedBadge_->setAlignment(Qt::AlignCenter);
    speedBadge_->hide();
    speedBadge_->raise();
}

void PlayerView::mirror() {
    Form1* player = form_.form1IfLoaded();
    if (!player) {
        if (!isHidden()) hide();
        return;
    }
    // A new player window starts with no focus requests carried out.
    if (player->Timer1.serial() != shown_) {
        shown_ = player->Timer1.serial();
        focusSeen_ = 0;
        placement_ = {};
    }
    auto place = [](QWidget* w, const Control& c) {
        const QRect r = geometry::controlRect(c);
        if (w->geometry() != r) w->setGeometry(r);
        if (w->isHidden() == c.Visible) w->setVisible(c.Visible);
        if (w->toolTip() != c.ToolTipText) w->setToolTip(c.ToolTipText);
        if (w->accessibleDescription() != c.ToolTipText) w->setAccessibleDescription(c.ToolTipText);
    };
    place(backdrop_, player->Image1);
    if (video_) place(video_, player->MediaPlayer1);
    mirrorControl(player->speedBadge.label, speedBadge_);
    const QSize client =
        geometry::windowClient(player->Width(), player->Height(), player->frameHeight());
    // Where the view moved the panel, the strip goes along.
    const QPoint follow = onPanel(*player, form_) ? front_.panel().shift() : QPoint();
    mirrorWindow(this, *player, client, focusSeen_, placement_, follow);
}

void PlayerView::videoPressed(int button, int shift, int x, int y) {
    if (Form1* player = form_.form1IfLoaded())
        forwardEvent(front_, player->MediaPlayer1.eventSlots(), &ControlEvents::onMouseDown, button,
                     shift, x, y);
}

void PlayerView::closeEvent(QCloseEvent* event) {
    event->accept();
    if (front_.syncing() || form_.ended() || !form_.form1IfLoaded()) return;
    front_.forward([this] { form_.Form1_Unload(); });
}

void PlayerView::reportGeometry() {
    Form1* player = form_.form1IfLoaded();
    if (!player) return;
    const int frame = player->frameHeight();
    reportWindowSize(front_, *player, this, size(),
                     geometry::windowClient(player->Width(), player->Height(), frame),
                     geometry::windowOuter(size(), frame));
}

void PlayerView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    reportGeometry();
}

void PlayerView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (Form1* player = form_.form1IfLoaded()) reportWindowMove(front_, *player, this, placement_);
}

void PlayerView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) reportGeometry();
}

} // namespace xj
