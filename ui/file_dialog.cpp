// Setting up and showing the puzzle-file dialog for Load and for Save as.
#include "ui/file_dialog.h"

#include <QFileDialog>

namespace ninefold {

PuzzleFileDialog::PuzzleFileDialog(QWidget* parent) : dialog_(new QFileDialog(parent)) {
    dialog_->setObjectName(QStringLiteral("CD"));
}

PuzzleFileDialog::~PuzzleFileDialog() {
    delete dialog_;
}

void PuzzleFileDialog::prepare(const QString& initialFolder) {
    dialog_->setDirectory(initialFolder);
    dialog_->setNameFilter(QString::fromLatin1(kPuzzleFilter));
    // The name chosen last time is offered again; a full path also opens its own folder.
    if (!lastFileName_.isEmpty()) {
        dialog_->selectFile(lastFileName_);
    }
}

void PuzzleFileDialog::PrepareOpen(const QString& initialFolder) {
    dialog_->setAcceptMode(QFileDialog::AcceptOpen);
    // Only existing files can be chosen; the dialog itself warns about other names.
    dialog_->setFileMode(QFileDialog::ExistingFile);
    dialog_->setOption(QFileDialog::DontConfirmOverwrite, false);
    prepare(initialFolder);
}

void PuzzleFileDialog::PrepareSave(const QString& initialFolder) {
    dialog_->setAcceptMode(QFileDialog::AcceptSave);
    dialog_->setFileMode(QFileDialog::AnyFile);
    // The dialog asks before an existing file is replaced.
    dialog_->setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog_->setDefaultSuffix(QStringLiteral("nfd"));
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
    if (dialog_->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList chosen = dialog_->selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) {
        return std::nullopt;
    }
    lastFileName_ = chosen.first();
    return QDir::toNativeSeparators(lastFileName_);
}

}  // namespace ninefold
