// Loading and showing a save through the real window, against the least any
// load must cost: opening the same file and reading it into a buffer.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <fcntl.h>
#include <unistd.h>

#include "bench/BenchFolder.h"
#include "bench/BenchSave.h"
#include "save/SaveLayout.h"
#include "support/FormDriver.h"

namespace {

const std::string& SavePath() {
    static const std::string path = [] {
        const BenchFolder& folder = BenchFolder::Get();
        folder.Put("load.sav", BenchSaveImage());
        return folder.PathOf("load.sav");
    }();
    return path;
}

// The user's whole "Nahrat SAV" on the shown window: the dialog's answer,
// the read, the party list and the first member in the controls. The repaint
// it asks for comes after the click, in the event loop, and is not timed.
void BM_LoadAndShowSave(benchmark::State& state) {
    std::unique_ptr<TForm1> editor = form::NewEditor();
    form::DialogScript dialogs;
    editor->Show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        dialogs.Answer(SavePath());
        form::Click(editor->Button1);
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (editor->currentMember != 0 || editor->ComboBox1->Count() != 6)
        state.SkipWithError("the save did not load");
}
BENCHMARK(BM_LoadAndShowSave)->Unit(benchmark::kMicrosecond);

void BM_RawReadSave(benchmark::State& state) {
    std::vector<uint8_t> buffer(save::kMaxSaveSize);
    size_t total = 0;
    for (auto _ : state) {
        int fd = ::open(SavePath().c_str(), O_RDONLY | O_CLOEXEC);
        total = 0;
        ssize_t n;
        while ((n = ::read(fd, buffer.data() + total, buffer.size() - total)) > 0) total += size_t(n);
        ::close(fd);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    if (total != BenchSaveImage().size()) state.SkipWithError("the save was not read whole");
}
BENCHMARK(BM_RawReadSave)->Unit(benchmark::kMicrosecond);

}  // namespace
