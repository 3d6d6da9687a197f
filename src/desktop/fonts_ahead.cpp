#include "desktop/fonts_ahead.h"

#include <fontconfig/fontconfig.h>

namespace xj {

std::future<void> loadFontsAhead() {
    return std::async(std::launch::async, [] { FcInit(); });
}

} // namespace xj
