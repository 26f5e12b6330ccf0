#pragma once
#include <cstddef>

// How many file descriptors the process holds; compare before and after a
// call to catch one it forgot to close.
size_t OpenDescriptorCount();
