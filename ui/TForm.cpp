#include "ui/TForm.h"

#include <QWidget>

#include "ui/Text8.h"

TForm::TForm(TComponent*) : window_(new QWidget(nullptr, Qt::Window)) {}

TForm::~TForm() {
    components_.clear();
    delete window_;
}

void TForm::SetCaption(std::string_view caption) { window_->setWindowTitle(ui::FromText8(caption)); }

void TForm::SetFixedClientArea(int left, int top, int width, int height) {
    window_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window_->setFixedSize(width, height);
    window_->move(left, top);
}

void TForm::SetFont(const TFont& font) { window_->setFont(font.ToQFont()); }

void TForm::SetTabOrder(const std::vector<TControl*>& controls) {
    for (size_t i = 0; i + 1 < controls.size(); ++i)
        QWidget::setTabOrder(controls[i]->Widget(), controls[i + 1]->Widget());
}

void TForm::Show() { window_->show(); }
