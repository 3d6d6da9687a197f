#pragma once

#include <QStringList>

namespace xj {

class Form2;

// What the user does to the playlist directly: feedback on a click, deleting, removing
// duplicates, clearing, the font size; and adding entries within the list's limit. The list's
// keys go to the parts they steer (the panel routes them).
class ListEditing {
public:
    static constexpr double DefaultFontSize = 11;
    static constexpr double MinFontSize = 6;
    static constexpr double MaxFontSize = 48;

    explicit ListEditing(Form2& f) : f_(f) {}

    void highlightFeedback();
    // Label2: how many songs the list holds.
    void showCount();
    void deleteSelected();
    void removeDuplicates();
    void clear();
    void fontLarger();
    void fontSmaller();
    void fontDefault();

    // Adds entries at their sorted places, in the given order until the limit; what does not
    // fit is reported and left out (the playlist file's load says it keeps those lines).
    // Returns how many were added.
    int append(const QStringList& paths, bool restKeptInFile = false);
    // Inserts one entry at the top; false (reported) when the list is full.
    bool insertAtTop(const QString& path);

private:
    void reportFull(int leftOut, bool keptInFile);
    void setFontSize(double points);
    Form2& f_;
};

} // namespace xj
