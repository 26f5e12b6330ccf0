#include "OffscreenEditor.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "support/FormDriver.h"
#include "ui/TApplication.h"

namespace {

void StartOffscreenEditor(const char* programPath) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt keeps the arguments it is given and takes out those it knows, so it
    // gets a copy of its own; libFuzzer reads the real ones after this call.
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(programPath), nullptr};
    static QApplication qtApp(argc, argv);
    static TApplication application(argc, argv);
    application.UseExceptionDisplay([](const std::string& message) {
        std::fprintf(stderr, "an exception escaped a handler: %s\n", message.c_str());
        std::abort();
    });
}

}  // namespace

TForm1& SharedEditor() {
    static std::unique_ptr<TForm1> editor = form::NewEditor();
    return *editor;
}

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    StartOffscreenEditor((*argv)[0]);
    SharedEditor();
    return 0;
}
