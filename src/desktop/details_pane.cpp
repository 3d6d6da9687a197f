#include "desktop/details_pane.h"

#include "desktop/elided_label.h"

#include <QPainter>

#include <algorithm>

namespace xj {

namespace {
constexpr int Margin = 4;
constexpr int Gap = 12;  // between columns
constexpr int Inset = 8; // the box from the picture's edges
} // namespace

DetailsPane::DetailsPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("InfoPane"));
    setAccessibleName(QString::fromUtf8("媒体资料"));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
    setPalette(pal);
    hide();
}

int DetailsPane::lineHeight() const {
    return fontMetrics().height() + 2;
}

void DetailsPane::mirror(const QStringList& lines, const QRect& area, bool fill) {
    const int line = lineHeight();
    const bool room = area.height() >= line + 2 * Margin && area.width() > 2 * Margin;
    if (lines.isEmpty() || !room) {
        if (!isHidden()) hide();
        return;
    }
    while (labels_.size() < static_cast<size_t>(lines.size())) {
        auto* label = new ElidedLabel(this);
        label->setTextFormat(Qt::PlainText);
        labels_.push_back(label);
    }
    int widest = 0;
    for (size_t i = 0; i < labels_.size(); ++i) {
        QLabel* label = labels_[i];
        const bool used = i < static_cast<size_t>(lines.size());
        if (used && label->text() != lines[static_cast<int>(i)])
            label->setText(lines[static_cast<int>(i)]);
        if (label->isHidden() == used) label->setVisible(used);
        if (used) widest = std::max(widest, label->sizeHint().width());
    }

    // As many lines a column as there is room for, then as many columns as that takes.
    const int count = static_cast<int>(lines.size());
    const int rows = std::clamp((area.height() - 2 * Margin) / line, 1, count);
    const int columns = (count + rows - 1) / rows;
    QRect box = area;
    if (!fill) {
        const int inset = area.width() > 4 * Inset && area.height() > 4 * Inset ? Inset : 0;
        const QRect inside = area.adjusted(inset, inset, -inset, -inset);
        const int width = std::min(inside.width(), columns * (widest + Gap) - Gap + 2 * Margin);
        const int height = std::min(inside.height(), rows * line + 2 * Margin);
        box = QRect(inside.right() + 1 - width, inside.top(), width, height);
    }
    fill_ = fill;
    if (geometry() != box) setGeometry(box);
    layOut(rows, columns, (box.width() - 2 * Margin + Gap) / columns - Gap);
    if (isHidden()) show();
    update();
}

void DetailsPane::layOut(int rows, int columns, int columnWidth) {
    const int line = lineHeight();
    for (size_t i = 0; i < labels_.size(); ++i) {
        if (labels_[i]->isHidden()) continue;
        // Down the first column, then the next.
        const int column = std::min(static_cast<int>(i) / rows, columns - 1);
        const int row = static_cast<int>(i) % rows;
        const QRect cell(Margin + column * (columnWidth + Gap), Margin + row * line,
                         std::max(0, columnWidth), line);
        if (labels_[i]->geometry() != cell) labels_[i]->setGeometry(cell);
    }
}

void DetailsPane::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Over a picture the picture still shows through.
    p.fillRect(rect(), fill_ ? QColor(0, 0, 0) : QColor(0, 0, 0, 176));
}

} // namespace xj
