#include "save/SaveChecksum.h"

#include "save/SaveLayout.h"

namespace save {

uint8_t SaveChecksum(const uint8_t* image) {
    uint8_t sum = 0;
    for (size_t i = kChecksumFirst; i <= kChecksumLast; ++i) sum = uint8_t(sum + image[i]);
    return uint8_t(~sum);
}

}  // namespace save
