#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

class QLabel;

namespace xj {

// The control's information display: one label a line ("采样率：44100 Hz"), so a screen
// reader reads each line as it is shown. Over the audio strip it fills the room above the
// bar; over a picture it is a translucent box in the picture's top right corner, where it
// leaves the speed badge at the top left in sight.
class DetailsPane : public QWidget {
public:
    explicit DetailsPane(QWidget* parent);

    // Shows `lines` in `area` (the control's picture area): all of it when `fill`, else the
    // box the lines need within it. No lines, or no room, hides the pane.
    void mirror(const QStringList& lines, const QRect& area, bool fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void layOut(int rows, const std::vector<int>& widths);
    int lineHeight() const;

    std::vector<QLabel*> labels_;
    bool fill_ = true;
};

} // namespace xj
