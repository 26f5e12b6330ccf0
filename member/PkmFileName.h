#pragma once
#include <string>

namespace member {

// The name an export writes: the chosen name, with ".pkm" added unless it
// already ends so, in any case.
std::string WithPkmSuffix(const std::string& chosen);

}  // namespace member
