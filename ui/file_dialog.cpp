// Setting up and showing the puzzle-file dialog for Load and for Save as.
#include "ui/file_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace ninefold {

QString PuzzleFilter() {
    //: The file type of puzzle files in the Load and Save as dialogs.
    return QCoreApplication::translate("PuzzleFileDialog", "NFD Files") +
           QStringLiteral(" (*.nfd)");
}

PuzzleFileDialog::PuzzleFileDialog(QWidget* parent) : parent_(parent) {}

PuzzleFileDialog::~PuzzleFileDialog() {
    delete dialog_;
}

QFileDialog& PuzzleFileDialog::CD() {
    if (dialog_ == nullptr) {
        dialog_ = new QFileDialog(parent_);
        dialog_->setObjectName(QStringLiteral("CD"));
    }
    return *dialog_;
}

void PuzzleFileDialog::prepare(const QString& initialFolder) {
    dialog_->setDefaultSuffix(defaultSuffix_);
    dialog_->setDirectory(initialFolder);
    dialog_->setNameFilter(PuzzleFilter());
    // The name chosen last time is offered again; a full path also opens its own folder.
    if (!lastFileName_.isEmpty()) {
        dialog_->selectFile(lastFileName_);
    }
}

void PuzzleFileDialog::PrepareOpen(const QString& initialFolder) {
    CD().setAcceptMode(QFileDialog::AcceptOpen);
    // Only existing files can be chosen; the dialog itself warns about other names.
    dialog_->setFileMode(QFileDialog::ExistingFile);
    dialog_->setOption(QFileDialog::DontConfirmOverwrite, false);
    prepare(initialFolder);
}

void PuzzleFileDialog::PrepareSave(const QString& initialFolder) {
    CD().setAcceptMode(QFileDialog::AcceptSave);
    dialog_->setFileMode(QFileDialog::AnyFile);
    // The dialog asks before an existing file is replaced.
    dialog_->setOption(QFileDialog::DontConfirmOverwrite, false);
    defaultSuffix_ = QStringLiteral("nfd");
    prepare(initialFolder);
}

std::optional<QString> PuzzleFileDialog::ShowOpen(const QString& initialFolder) {
    PrepareOpen(initialFolder);
    return showPrepared();
}

std::optional<QString> PuzzleFileDialog::ShowSave(const QString& initialFolder) {
    PrepareSave(initialFolder);
    return showPrepared();
}

std::optional<QString> PuzzleFileDialog::showPrepared() {
    const bool accepted = dialog_->exec() == QDialog::Accepted;
    const QStringList chosen = accepted ? dialog_->selectedFiles() : QStringList();
    delete dialog_;
    if (chosen.isEmpty() || chosen.first().isEmpty()) {
        return std::nullopt;
    }
    lastFileName_ = chosen.first();
    return QDir::toNativeSeparators(lastFileName_);
}

}  // namespace ninefold
