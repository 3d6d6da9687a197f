#include "desktop/details_pane.h"

#include "desktop/elided_label.h"

#include <QPainter>

#include <algorithm>
#include <numeric>

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
    const int inset = !fill && area.width() > 4 * Inset && area.height() > 4 * Inset ? Inset : 0;
    const QRect room = area.adjusted(inset, inset, -inset, -inset);
    if (lines.isEmpty() || room.height() < line + 2 * Margin || room.width() <= 2 * Margin) {
        if (!isHidden()) hide();
        return;
    }
    while (labels_.size() < static_cast<size_t>(lines.size())) {
        auto* label = new ElidedLabel(this);
        label->setTextFormat(Qt::PlainText);
        labels_.push_back(label);
    }
    for (size_t i = 0; i < labels_.size(); ++i) {
        QLabel* label = labels_[i];
        const bool used = i < static_cast<size_t>(lines.size());
        if (used && label->text() != lines[static_cast<int>(i)])
            label->setText(lines[static_cast<int>(i)]);
        if (label->isHidden() == used) label->setVisible(used);
    }

    // As many lines a column as there is room for, then as many columns as that takes, each
    // as wide as its longest line where there is room, or its share of the room where not.
    const int count = static_cast<int>(lines.size());
    const int rows = std::clamp((room.height() - 2 * Margin) / line, 1, count);
    const int columns = (count + rows - 1) / rows;
    std::vector<int> widths(static_cast<size_t>(columns), 0);
    for (int i = 0; i < count; ++i) {
        int& w = widths[static_cast<size_t>(i / rows)];
        w = std::max(w, labels_[static_cast<size_t>(i)]->sizeHint().width());
    }
    const int natural = std::accumulate(widths.begin(), widths.end(), 0);
    const int spacing = (columns - 1) * Gap + 2 * Margin;
    QRect box = room;
    if (!fill) {
        const int width = std::min(room.width(), natural + spacing);
        const int height = std::min(room.height(), rows * line + 2 * Margin);
        box = QRect(room.right() + 1 - width, room.top(), width, height);
    }
    const int available = std::max(0, box.width() - spacing);
    for (int& w : widths)
        w = natural > available ? w * available / natural : w + (available - natural) / columns;
    fill_ = fill;
    if (geometry() != box) setGeometry(box);
    layOut(rows, widths);
    if (isHidden()) show();
    update();
}

void DetailsPane::layOut(int rows, const std::vector<int>& widths) {
    const int line = lineHeight();
    int left = Margin;
    size_t column = 0;
    for (size_t i = 0; i < labels_.size() && column < widths.size(); ++i) {
        if (labels_[i]->isHidden()) break;
        // Down the first column, then the next.
        const int row = static_cast<int>(i) % rows;
        if (i > 0 && row == 0) left += widths[column++] + Gap;
        if (column >= widths.size()) break;
        const QRect cell(left, Margin + row * line, widths[column], line);
        if (labels_[i]->geometry() != cell) labels_[i]->setGeometry(cell);
    }
}

void DetailsPane::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Over a picture the picture still shows through.
    p.fillRect(rect(), fill_ ? QColor(0, 0, 0) : QColor(0, 0, 0, 176));
}

} // namespace xj
