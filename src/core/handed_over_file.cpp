#include "core/handed_over_file.h"

#include "core/command_line_file.h"
#include "core/form2.h"

namespace xj {

void HandedOverFile::take(const QString& path) {
    if (path.isEmpty()) return;
    const NamedFile taken = takeNamedFile(f_, path);
    if (taken == NamedFile::ListFull) return;
    // Only a new entry changes the list that closing offers to save.
    if (taken == NamedFile::Added) f_.wenjianming = true;
    f_.List1_DblClick();
}

} // namespace xj
