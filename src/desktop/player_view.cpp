#include "desktop/player_view.h"

#include "core/form2.h"
#include "desktop/artwork.h"
#include "desktop/control_bar.h"
#include "desktop/control_events.h"
#include "desktop/control_widgets.h"
#include "desktop/details_pane.h"
#include "desktop/front_end.h"
#include "desktop/geometry.h"
#include "desktop/key_codes.h"
#include "desktop/media_text.h"
#include "desktop/panel_view.h"
#include "desktop/video_view.h"
#include "desktop/window_sync.h"
#include "player/form1.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <algorithm>

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

constexpr int RefreshMs = 250;

} // namespace

PlayerView::PlayerView(Form2& form, FrontEnd& front, const VideoFactory& video)
    : form_(form), front_(front), backdrop_(new Backdrop(this)), control_(new QWidget(this)),
      pane_(nullptr), bar_(nullptr), refresh_(new QTimer(this)), speedBadge_(new QLabel(this)) {
    setObjectName(QStringLiteral("Form1"));
    setAcceptDrops(true);
    backdrop_->setObjectName(QStringLiteral("Image1"));
    control_->setObjectName(QStringLiteral("MediaPlayer1"));
    if (video) {
        video_ = video(control_);
        video_->setObjectName(QStringLiteral("Picture"));
        connect(video_, &VideoView::mousePressed, this, &PlayerView::videoPressed);
        video_->installEventFilter(this);
    }
    pane_ = new DetailsPane(control_);
    pane_->installEventFilter(this);
    bar_ = new ControlBar(form, front, control_);
    refresh_->setInterval(RefreshMs);
    connect(refresh_, &QTimer::timeout, this, [this] {
        if (front_.syncing()) return;
        if (Form1* player = form_.form1IfLoaded()) mirrorControlArea(*player);
    });
    speedBadge_->setObjectName(QStringLiteral("SpeedBadge"));
    speedBadge_->setAlignment(Qt::AlignCenter);
    speedBadge_->hide();
    speedBadge_->raise();
    if (video_) {
        video_->keepAbove(pane_);
        video_->keepAbove(speedBadge_);
    }
}

void PlayerView::mirror() {
    Form1* player = form_.form1IfLoaded();
    if (!player) {
        refresh_->stop();
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
    place(control_, player->MediaPlayer1);
    mirrorControlArea(*player);
    mirrorControl(player->speedBadge.label, speedBadge_);
    const QSize client =
        geometry::windowClient(player->Width(), player->Height(), player->frameHeight());
    // Where the view moved the panel, the strip goes along. Full screen goes on before the
    // window's state and comes off before its normal size is set again.
    const bool full = player->FullScreen();
    if (full != windowState().testFlag(Qt::WindowFullScreen))
        setWindowState(windowState() ^ Qt::WindowFullScreen);
    const QPoint follow = onPanel(*player, form_) ? front_.panel().shift() : QPoint();
    mirrorWindow(this, *player, client, focusSeen_, placement_, follow);
    const bool running = isVisible() && !isMinimized();
    if (running != refresh_->isActive()) running ? refresh_->start() : refresh_->stop();
}

void PlayerView::mirrorControlArea(Form1& player) {
    // The bar runs along the bottom, as high as the audio strip's control; the picture, and
    // the display over it, have the rest.
    const QRect area = control_->rect();
    const int barHeight = std::min(area.height(), geometry::toPixels(Form1::AudioControlHeight));
    const QRect picture(0, 0, area.width(), area.height() - barHeight);
    const QRect bar(0, picture.height(), area.width(), barHeight);
    if (video_) {
        if (video_->geometry() != picture) video_->setGeometry(picture);
        if (video_->isHidden() == !picture.isEmpty()) video_->setVisible(!picture.isEmpty());
    }
    if (bar_->geometry() != bar) bar_->setGeometry(bar);
    bar_->mirror(player);
    MediaPlayer& mp = player.MediaPlayer1;
    const QStringList lines =
        mp.ShowDisplay() ? mediaText::detailLines(mp.Details(), mp.FileName()) : QStringList();
    pane_->mirror(lines, picture, mp.isAudio());
}

void PlayerView::videoPressed(int button, int shift, int x, int y) {
    if (Form1* player = form_.form1IfLoaded())
        forwardEvent(front_, player->MediaPlayer1.eventSlots(), &ControlEvents::onMouseDown, button,
                     shift, x, y);
}

void PlayerView::keyPressEvent(QKeyEvent* event) {
    const int code = virtualKey(*event);
    Form1* player = form_.form1IfLoaded();
    if (!code || !player) {
        QWidget::keyPressEvent(event);
        return;
    }
    front_.forward([player, code] { player->Form_KeyDown(code); });
}

bool PlayerView::event(QEvent* event) {
    if (Form1* player = form_.form1IfLoaded())
        if (forwardDrop(front_, player->MediaPlayer1.eventSlots(), event)) return true;
    return QWidget::event(event);
}

bool PlayerView::eventFilter(QObject* watched, QEvent* event) {
    // A double click on the picture, or on the display over it.
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (Form1* player = form_.form1IfLoaded())
            forwardEvent(front_, player->MediaPlayer1.eventSlots(), &ControlEvents::onDblClick);
    }
    return QWidget::eventFilter(watched, event);
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
