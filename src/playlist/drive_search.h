#pragma once

#include <QString>

namespace xj {

class Form2;

// Walks a whole drive breadth-first and adds every file of the chosen type to the playlist.
class DriveSearch {
public:
    // On the system drive the walk ends after this many queued folders.
    static constexpr int SystemDriveFolders = 701;

    explicit DriveSearch(Form2& f) : f_(f) {}
    void search();

private:
    Form2& f_;
};

} // namespace xj
