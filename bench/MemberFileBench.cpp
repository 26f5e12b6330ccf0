// The member file codec on one member of the bench save, with the games'
// own species maps.
#include <benchmark/benchmark.h>

#include "bench/BenchSave.h"
#include "core/ReferenceTables.h"
#include "member/MemberFile.h"
#include "save/SaveLayout.h"

namespace {

member::MemberFile EncodeFirstMember() {
    const uint8_t* image = BenchSaveImage().data();
    return member::EncodeMemberFile(image + save::RecordAt(save::kPartyRecordsOffset, 0),
                                    image + save::NameSlotAt(save::kNicknamesOffset, 0),
                                    image + save::NameSlotAt(save::kOtNamesOffset, 0),
                                    core::kDexOfInternal.data());
}

void BM_EncodeMemberFile(benchmark::State& state) {
    for (auto _ : state) {
        member::MemberFile file = EncodeFirstMember();
        benchmark::DoNotOptimize(file);
    }
}
BENCHMARK(BM_EncodeMemberFile)->Unit(benchmark::kNanosecond);

void BM_DecodeMemberFile(benchmark::State& state) {
    const member::MemberFile file = EncodeFirstMember();
    member::DecodeResult result;
    for (auto _ : state) {
        result = member::DecodeMemberFile(file.size(), file.data(), core::kInternalOfDex.data());
        benchmark::DoNotOptimize(result);
    }
    if (result.check != member::MemberFileCheck::Ok) state.SkipWithError("the member file was refused");
}
BENCHMARK(BM_DecodeMemberFile)->Unit(benchmark::kNanosecond);

}  // namespace
