#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Replaces the file at path with size bytes of data, or leaves it exactly as
// it was: the bytes go to a new file in the same folder, are flushed to disk,
// and only then renamed over the target. An existing target keeps its
// permissions; a target that is a symbolic link has the file it points to
// replaced. On failure the temporary file is removed and false comes back.
// All file calls go through CurrentFileOps().
bool WriteFileSafely(const std::string& path, const uint8_t* data, size_t size);
