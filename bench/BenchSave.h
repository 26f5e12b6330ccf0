#pragma once
#include <cstdint>
#include <vector>

// The save every benchmark works on: 32 KiB, as the games' battery saves
// are, with a full party of six.
const std::vector<uint8_t>& BenchSaveImage();
