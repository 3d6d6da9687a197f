#include "panel/layout.h"

#include "core/form2.h"
#include "panel/window_modes.h"
#include "player/form1.h"

namespace xj {

void PanelLayout::apply() {
    if (f_.windowState() != WindowState::Normal) return;
    // Each correction raises an inner pass that lays out completely; this pass then goes on
    // with the same values.
    if (f_.Height() <= MinHeight) f_.setHeight(MinHeight);
    if (f_.Width() <= MinWidth) f_.setWidth(MinWidth);

    ListBox& list = f_.List1;
    list.Height = f_.Height() - f_.fixedheight;
    if (list.Height <= MinListHeight) list.Height = MinListHeight;
    if (f_.windowModes.menuBarShown()) list.Height -= WindowModes::MenuBarHeight;
    list.Width = f_.Width() - ListMargin;
    const int L = list.Width;

    f_.Command17.Left = L - 385 - 135;
    f_.Command19.Left = L - 385;

    for (Control* c : std::initializer_list<Control*>{
             &f_.Drive1, &f_.Combo1, &f_.Command1, &f_.Command10, &f_.Command11, &f_.Label6,
             &f_.Command24, &f_.Command13, &f_.Command12, &f_.Command14, &f_.Command25})
        c->Top = list.Height + FirstRow;
    f_.Command8.Top = list.Height - 210;
    f_.Command22.Top = list.Height - 450;

    const bool wide = f_.Width() > WideFrom;
    const int B = f_.Label6.Left;
    Control* transport[] = {&f_.Command24, &f_.Command13, &f_.Command12, &f_.Command14,
                            &f_.Command25};
    for (int i = 0; i < 5; ++i)
        transport[i]->Left = wide ? L - 1220 + 255 * i : B + 300 + 255 * i;
    f_.HScroll1.Left = wide ? f_.Command24.Left : f_.Command27.Left + f_.Command27.Width;
    f_.HScroll1.Width = wide ? 1270 : 1450;
    f_.Label2.Width = wide ? L - 3000 : 1870;
    f_.Label4.Left = f_.Label2.Left + f_.Label2.Width;
    f_.Label5.Left = f_.Label4.Left + f_.Label4.Width;
    f_.Label1.Left = f_.Label5.Left + f_.Label5.Width;

    for (Control* c : std::initializer_list<Control*>{
             &f_.Command4, &f_.Command2, &f_.Command5, &f_.Command15, &f_.Command20, &f_.Command27,
             &f_.Command28, &f_.Command29, &f_.Command30, &f_.HScroll1, &f_.Label1, &f_.Label2,
             &f_.Label3, &f_.Label4, &f_.Label5})
        c->Top = list.Height + SecondRow;

    // An audio strip stays as wide as the panel; this test minds letter case.
    Form1& player = f_.form1();
    if (player.windowState() == WindowState::Normal &&
        endsAsAudio(player.MediaPlayer1.FileName(), Qt::CaseSensitive)) {
        player.MediaPlayer1.Width = f_.Width();
        player.setWidth(player.MediaPlayer1.Width);
    }
}

} // namespace xj
