#include "member/PkmFileName.h"

#include <algorithm>
#include <cctype>

namespace member {

std::string WithPkmSuffix(const std::string& chosen) {
    static const std::string kSuffix = ".pkm";
    bool hasSuffix = chosen.size() >= kSuffix.size() &&
                     std::equal(kSuffix.begin(), kSuffix.end(), chosen.end() - kSuffix.size(),
                                [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
    return hasSuffix ? chosen : chosen + kSuffix;
}

}  // namespace member
