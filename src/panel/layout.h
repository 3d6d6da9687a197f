#pragma once

namespace xj {

class Form2;

// Where the panel's controls sit for its size: the list takes the spare height, two rows of
// controls follow it, the transport buttons follow the loop label or the list's right edge.
class PanelLayout {
public:
    static constexpr int MinHeight = 2325;
    static constexpr int MinWidth = 5040;
    static constexpr int MinListHeight = 1320;
    static constexpr int ListMargin = 200;
    static constexpr int FirstRow = 30;
    static constexpr int SecondRow = 360;
    static constexpr int WideFrom = 5500; // wider than this is the wide arrangement

    explicit PanelLayout(Form2& f) : f_(f) {}

    // The panel's resize handler.
    void apply();

private:
    Form2& f_;
};

} // namespace xj
