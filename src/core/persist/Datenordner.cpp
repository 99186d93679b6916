#include "core/persist/Datenordner.h"

#include <system_error>

#ifndef VAPRO_DATA_DIR
#define VAPRO_DATA_DIR "data"
#endif

namespace vapro {

std::filesystem::path Datenordner(const std::filesystem::path& programmordner) {
    namespace fs = std::filesystem;
    const fs::path kandidaten[] = {programmordner / ".." / "share" / "zelto-vapro",
                                   programmordner / "data"};
    // The German help file marks a complete data folder.
    for (const fs::path& ordner : kandidaten) {
        std::error_code fehler;
        if (fs::is_regular_file(ordner / "Vapro15.hlp", fehler)) return ordner.lexically_normal();
    }
    return fs::path(VAPRO_DATA_DIR);
}

} // namespace vapro
