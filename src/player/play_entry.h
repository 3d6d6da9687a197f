#pragma once

namespace xj {

class Form2;

// Playing the highlighted playlist entry: loads it, shows and fits the player window, enables
// the transport, and arms the status timer. An entry that cannot be played is reported while
// the next one already plays.
class PlayEntry {
public:
    explicit PlayEntry(Form2& f) : f_(f) {}
    void playSelected();
    // Enter in the list and the single-file open: with the menu bar shown, as a double click;
    // otherwise the menu bar comes back and the pop-up's play runs.
    void playHighlighted();

private:
    void play();
    Form2& f_;
};

} // namespace xj
