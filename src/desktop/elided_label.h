#pragma once

#include <QLabel>

namespace xj {

// A one-line label that shortens its text with "…" where it does not fit; its text, and so
// what a screen reader reads, stays whole.
class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent) : QLabel(parent) {}
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace xj
