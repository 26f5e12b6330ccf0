#pragma once
#include <string>
#include <string_view>

namespace core {

// The folder of the program file: its path cut at the last of separators
// (on Linux "/", on Windows "\\/"). A path without a separator gives an empty
// folder, which leaves the dialogs' start folder to the platform; a program
// in the root folder "/" keeps the "/".
std::string ProgramFolderOf(std::string_view programPath, std::string_view separators);

// The separators of the platform this was built for.
std::string_view PathSeparators();

}  // namespace core
