#include "save/DexFlags.h"

namespace save {

void SetDexFlag(uint8_t* flags, uint8_t dex) { flags[DexFlagByte(dex)] |= DexFlagMask(dex); }

}  // namespace save
