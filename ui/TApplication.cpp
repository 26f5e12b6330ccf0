#include "ui/TApplication.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

TApplication* Application = nullptr;

TApplication::TApplication(int& argc, char** argv) {
    if (!QApplication::instance()) ownApp_ = std::make_unique<QApplication>(argc, argv);
    Application = this;
}

TApplication::~TApplication() {
    forms_.clear();
    if (Application == this) Application = nullptr;
}

void TApplication::Run() {
    if (forms_.empty()) return;
    forms_.front()->Show();
    QApplication::exec();
}

void TApplication::ShowException(const Exception& exception) {
    if (display_) {
        display_(exception.Message());
        return;
    }
    QWidget* parent = forms_.empty() ? nullptr : forms_.front()->Window();
    QMessageBox::critical(parent, QApplication::applicationName(), QString::fromStdString(exception.Message()));
}
