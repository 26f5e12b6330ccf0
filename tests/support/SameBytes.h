#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// Names the first byte that differs instead of printing 50000 of them.
inline testing::AssertionResult SameBytes(const std::vector<uint8_t>& now, const std::vector<uint8_t>& expected) {
    if (now.size() != expected.size())
        return testing::AssertionFailure() << "size " << now.size() << " for " << expected.size();
    for (size_t i = 0; i < now.size(); ++i)
        if (now[i] != expected[i])
            return testing::AssertionFailure() << "byte " << i << " is " << int(now[i]) << ", expected " << int(expected[i]);
    return testing::AssertionSuccess();
}
