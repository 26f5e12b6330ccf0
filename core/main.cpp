#include "core/Unit1.h"
#include "ui/TApplication.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    try {
        Application->Initialize();
        Application->CreateForm(Form1);
        Application->Run();
    } catch (const Exception& exception) {
        Application->ShowException(exception);
    }
    return 0;
}
