#include "support/OpenDescriptors.h"

#include <filesystem>
#include <iterator>

size_t OpenDescriptorCount() {
    // The listing's own descriptor is counted too, the same way every time.
    std::filesystem::directory_iterator entries("/proc/self/fd");
    return static_cast<size_t>(std::distance(entries, std::filesystem::directory_iterator()));
}
