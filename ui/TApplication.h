#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Exception.h"
#include "ui/TForm.h"

class QApplication;

// The program's one application object: owns the forms, runs the message
// loop and shows exceptions that reach it.
class TApplication : public TComponent {
public:
    // Uses the running QApplication when there is one (tests make their own).
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // Qt is up once the object exists; start-up still runs this step first.
    void Initialize() {}
    // Creates a form owned by the application; the first becomes the main window.
    template <class Form>
    void CreateForm(Form*& reference) {
        auto form = std::make_unique<Form>(this);
        reference = form.get();
        forms_.push_back(std::move(form));
    }
    // Shows the main window and processes events until it is closed.
    void Run();
    // Shows the message of an exception in an error message box.
    void ShowException(const Exception& exception);

    // Tests watch the message box through this; an empty function brings the
    // real box back.
    using ExceptionDisplay = std::function<void(const std::string& message)>;
    void UseExceptionDisplay(ExceptionDisplay display) { display_ = std::move(display); }

private:
    std::unique_ptr<QApplication> ownApp_;
    std::vector<std::unique_ptr<TForm>> forms_;
    ExceptionDisplay display_;
};

extern TApplication* Application;
