#pragma once

#include <QString>

namespace xj {

class Form2;

// A file a later start of the program handed over: it joins the playlist as the command-line
// file does and plays at once.
class HandedOverFile {
public:
    explicit HandedOverFile(Form2& f) : f_(f) {}

    void take(const QString& path);

private:
    Form2& f_;
};

} // namespace xj
