#include "bench/BenchSave.h"

#include "support/FixtureSave.h"

const std::vector<uint8_t>& BenchSaveImage() {
    static const std::vector<uint8_t> image = [] {
        std::vector<fixture::Member> party(6);
        for (size_t i = 0; i < party.size(); ++i) party[i].level = uint8_t(5 + 10 * i);
        return fixture::MakeSave(party, 32 * 1024);
    }();
    return image;
}
