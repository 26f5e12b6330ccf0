#include "core/ProgramFolder.h"

namespace core {

std::string ProgramFolderOf(std::string_view programPath, std::string_view separators) {
    size_t cut = programPath.find_last_of(separators);
    if (cut == std::string_view::npos) return {};
    if (cut == 0 && programPath[0] == '/') return "/";
    return std::string(programPath.substr(0, cut));
}

std::string_view PathSeparators() {
#ifdef _WIN32
    return "\\/";
#else
    return "/";
#endif
}

}  // namespace core
