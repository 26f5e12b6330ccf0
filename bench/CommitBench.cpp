// Taking the member controls into the save image, with the entries read out
// of the widgets, beside the checking and conversion of those entries alone.
#include <benchmark/benchmark.h>

#include "bench/BenchFolder.h"
#include "bench/BenchSave.h"
#include "save/MemberCommit.h"
#include "save/MemberView.h"
#include "support/FormDriver.h"

namespace {

std::unique_ptr<TForm1> LoadedEditor(form::DialogScript& dialogs) {
    const BenchFolder& folder = BenchFolder::Get();
    folder.Put("commit.sav", BenchSaveImage());
    std::unique_ptr<TForm1> editor = form::NewEditor();
    dialogs.Answer(folder.PathOf("commit.sav"));
    form::Click(editor->Button1);
    return editor;
}

void BM_CommitMember(benchmark::State& state) {
    form::DialogScript dialogs;
    std::unique_ptr<TForm1> editor = LoadedEditor(dialogs);
    bool refused = false;
    for (auto _ : state) {
        refused = editor->CommitMember(0);
        benchmark::DoNotOptimize(refused);
    }
    if (refused) state.SkipWithError("the shown member was refused");
}
BENCHMARK(BM_CommitMember)->Unit(benchmark::kMicrosecond);

void BM_CommitEntries(benchmark::State& state) {
    form::DialogScript dialogs;
    std::unique_ptr<TForm1> editor = LoadedEditor(dialogs);
    const save::MemberEntries entries = save::ViewOfMember(*editor, 0);
    const char* refusal = nullptr;
    for (auto _ : state) {
        refusal = save::CommitMemberEntries(*editor, 0, entries);
        benchmark::DoNotOptimize(refusal);
        benchmark::ClobberMemory();
    }
    if (refusal) state.SkipWithError(refusal);
}
BENCHMARK(BM_CommitEntries)->Unit(benchmark::kMicrosecond);

}  // namespace
