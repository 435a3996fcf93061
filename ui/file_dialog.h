// The one Open/Save dialog of the game window, CD, shared by File > Load and File > Save as.
// The name chosen in one showing is the initial name of the next, of either kind. Each showing
// gets a fresh dialog that is gone once it closes, and with it every popup it opened (the
// name field's suggestion list), so nothing of it stays on screen holding the keys.
#pragma once

#include <QPointer>
#include <QString>
#include <optional>

class QFileDialog;
class QWidget;

namespace ninefold {

// The dialog's one name filter, "NFD Files (*.nfd)" in English; the pattern is never translated.
QString PuzzleFilter();

class PuzzleFileDialog {
  public:
    explicit PuzzleFileDialog(QWidget* parent);
    virtual ~PuzzleFileDialog();
    PuzzleFileDialog(const PuzzleFileDialog&) = delete;
    PuzzleFileDialog& operator=(const PuzzleFileDialog&) = delete;

    // Modal; the chosen path, or nothing when the player cancels.
    virtual std::optional<QString> ShowOpen(const QString& initialFolder);
    virtual std::optional<QString> ShowSave(const QString& initialFolder);

    // The settings of each command without showing, so they can be examined.
    void PrepareOpen(const QString& initialFolder);
    void PrepareSave(const QString& initialFolder);

    // The dialog being prepared or shown.
    QFileDialog& CD();
    const QString& LastFileName() const { return lastFileName_; }

  private:
    void prepare(const QString& initialFolder);
    std::optional<QString> showPrepared();

    QWidget* parent_;
    QPointer<QFileDialog> dialog_;
    QString lastFileName_;
    // Save as sets the default extension, and it stays set for later showings of either kind.
    QString defaultSuffix_;
};

}  // namespace ninefold
