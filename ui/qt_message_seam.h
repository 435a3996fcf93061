// Message boxes through QMessageBox: each titled "Ninefold" and owned by the game window; a
// text taller than the screen scrolls inside its box.
#pragma once

#include <QString>
#include <string>

#include "ui/message_seam.h"

class QWidget;

namespace ninefold {

// Real message boxes titled "Ninefold", owned by the given window.
class QtMessageSeam : public MessageSeam {
  public:
    explicit QtMessageSeam(QWidget* owner) : owner_(owner) {}
    void information(const std::string& text) override;
    void exclamation(const std::string& text) override;
    // Placed beside the window where the screen has room, so the grid stays in view.
    void hint(const std::string& text) override;
    bool question(const std::string& text) override;
    void plain(const std::string& text) override;

    // CR LF (and a lone CR) become the line breaks a Qt label shows.
    static QString displayText(const std::string& text);

  private:
    QWidget* owner_;
};

}  // namespace ninefold
