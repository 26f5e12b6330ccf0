#include "ui/TFileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

TFileDialog::Answerer& CurrentAnswerer() {
    static TFileDialog::Answerer answerer;
    return answerer;
}

// "description|pattern" as Qt writes a name filter.
QString QtNameFilter(const std::string& filter) {
    QString text = QString::fromStdString(filter);
    qsizetype bar = text.indexOf('|');
    if (bar < 0) return text;
    return text.left(bar) + " (" + text.mid(bar + 1) + ")";
}

// The user may not pick a file that is read-only or lies in a folder that
// cannot be written, since the editor writes back to what it reads.
bool IsWritablePick(const QString& path) {
    QFileInfo file(path);
    QFileInfo folder(file.absolutePath());
    if (!folder.isWritable()) return false;
    return !file.exists() || file.isWritable();
}

}  // namespace

void TFileDialog::UseAnswerer(Answerer answerer) { CurrentAnswerer() = std::move(answerer); }

bool TFileDialog::Execute() {
    std::optional<std::string> picked = CurrentAnswerer() ? CurrentAnswerer()(*this) : AskUser();
    if (!picked) return false;
    fileName_ = *picked;
    return true;
}

std::optional<std::string> TFileDialog::AskUser() const {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(IsSaveDialog() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(IsSaveDialog() ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QtNameFilter(filter_));
    dialog.setDirectory(QString::fromStdString(initialDir_));
    if (!fileName_.empty()) dialog.selectFile(QFileInfo(QString::fromStdString(fileName_)).fileName());
    bool refuseReadOnly = options_.count(TOpenOption::ofNoReadOnlyReturn) != 0;
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        QString path = dialog.selectedFiles().first();
        if (!refuseReadOnly || IsWritablePick(path)) return path.toStdString();
        QMessageBox::warning(&dialog, dialog.windowTitle(),
                             QFileInfo(path).fileName() + "\nSoubor je jen pro cteni. Vyber jiny.");
    }
}
