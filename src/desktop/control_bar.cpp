#include "desktop/control_bar.h"

#include "core/form2.h"
#include "desktop/elided_label.h"
#include "desktop/front_end.h"
#include "desktop/media_text.h"
#include "player/form1.h"

#include <QBoxLayout>
#include <QLabel>
#include <QProxyStyle>
#include <QSlider>

#include <cmath>

namespace xj {

namespace {

// The application's style, except that a left click on the groove puts the handle there.
class JumpToClickStyle : public QProxyStyle {
public:
    explicit JumpToClickStyle(QObject* owner) { setParent(owner); }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == QStyle::SH_Slider_AbsoluteSetButtons) return Qt::LeftButton;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

QLabel* label(QWidget* parent, const char* name, const char* description) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setAccessibleDescription(QString::fromUtf8(description));
    return l;
}

void setText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

} // namespace

ControlBar::ControlBar(Form2& form, FrontEnd& front, QWidget* parent)
    : QWidget(parent), form_(form), front_(front), title_(new ElidedLabel(this)),
      speed_(label(this, "BarSpeed", "播放速度")), elapsed_(label(this, "BarElapsed", "已播放")),
      total_(label(this, "BarTotal", "总长")), slider_(new QSlider(Qt::Horizontal, this)) {
    setObjectName(QStringLiteral("ControlBar"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
    setPalette(pal);

    title_->setObjectName(QStringLiteral("BarTitle"));
    title_->setTextFormat(Qt::PlainText);
    title_->setAccessibleDescription(QString::fromUtf8("正在播放"));
    speed_->hide();

    slider_->setObjectName(QStringLiteral("BarPosition"));
    slider_->setAccessibleName(QString::fromUtf8("播放位置"));
    slider_->setAccessibleDescription(QString::fromUtf8("秒"));
    slider_->setStyle(new JumpToClickStyle(slider_));
    // The keys belong to the player window; the slider only takes the mouse.
    slider_->setFocusPolicy(Qt::NoFocus);
    // Its value moves once the handle is let go: one seek a click or drag.
    slider_->setTracking(false);
    slider_->setEnabled(false);
    connect(slider_, &QSlider::valueChanged, this, [this](int value) {
        if (!mirroring_) seek(value);
    });

    auto* top = new QHBoxLayout;
    top->addWidget(title_, 1);
    top->addWidget(speed_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(elapsed_);
    bottom->addWidget(slider_, 1);
    bottom->addWidget(total_);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(6, 1, 6, 1);
    rows->setSpacing(0);
    rows->addLayout(top);
    rows->addLayout(bottom);
}

void ControlBar::mirror(Form1& player) {
    MediaPlayer& mp = player.MediaPlayer1;
    const double duration = mp.Duration();
    const double position = mp.CurrentPosition();
    setText(title_, mediaText::entryTitle(mp.Details(), mp.FileName()));
    if (title_->toolTip() != mp.FileName()) title_->setToolTip(mp.FileName());
    const bool otherSpeed = form_.speed.reverseOn() || mp.Rate() != 1.0;
    if (otherSpeed) setText(speed_, form_.speed.shown());
    if (speed_->isHidden() == otherSpeed) speed_->setVisible(otherSpeed);
    setText(elapsed_, mediaText::clock(position));
    setText(total_, duration > 0 ? mediaText::clock(duration) : QStringLiteral("--:--"));

    mirroring_ = true;
    const int last = duration > 0 ? static_cast<int>(std::floor(duration)) : 0;
    if (slider_->maximum() != last) slider_->setRange(0, last);
    if (slider_->isEnabled() != (duration > 0)) slider_->setEnabled(duration > 0);
    // Not under the user's hand.
    const int at = static_cast<int>(std::floor(position));
    if (!slider_->isSliderDown() && slider_->value() != at) slider_->setValue(at);
    mirroring_ = false;
}

void ControlBar::seek(int seconds) {
    front_.forward([this, seconds] {
        if (Form1* player = form_.form1IfLoaded()) player->seekTo(seconds);
    });
}

} // namespace xj
