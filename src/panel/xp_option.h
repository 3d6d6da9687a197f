#pragma once

#include <QString>

namespace xj {

class Form2;

// The XP option: the tick of mnuyouxp, kept in xp.txt (" 1 " on, "no xp" off).
class XpOption {
public:
    explicit XpOption(Form2& f) : f_(f) {}

    QString path() const;
    // Reads xp.txt into the tick; fails when the file cannot be read.
    void read();
    // First run: asks whether the system wants the option and writes the answer.
    void askFirstRun();
    // Flips the tick and rewrites xp.txt.
    void toggle();

private:
    bool write(bool on);
    Form2& f_;
};

// The number a text starts with, as the runtime reads it: leading blanks skipped, 0 when
// there is none.
double leadingNumber(const QString& text);

} // namespace xj
