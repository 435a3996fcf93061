// The one way the game window talks to the player in a message box. The window passes texts
// exactly as the game words them (CR LF line breaks); tests answer through a scripted seam.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace ninefold {

// The caption of the game window and the title of every message box.
inline constexpr const char* kApplicationTitle = "Ninefold";

class MessageSeam {
  public:
    virtual ~MessageSeam() = default;
    // Results and success: the information icon and an OK button.
    virtual void information(const std::string& text) = 0;
    // Warnings and failures: the exclamation icon and an OK button.
    virtual void exclamation(const std::string& text) = 0;
    // The exclamation icon with Yes and No, Yes the default; true for Yes.
    virtual bool question(const std::string& text) = 0;
    // No icon, only OK (the About box).
    virtual void plain(const std::string& text) = 0;
};

// Real message boxes titled "Ninefold", owned by the given window.
class QtMessageSeam : public MessageSeam {
  public:
    explicit QtMessageSeam(QWidget* owner) : owner_(owner) {}
    void information(const std::string& text) override;
    void exclamation(const std::string& text) override;
    bool question(const std::string& text) override;
    void plain(const std::string& text) override;

    // CR LF (and a lone CR) become the line breaks a Qt label shows.
    static QString displayText(const std::string& text);

  private:
    QWidget* owner_;
};

}  // namespace ninefold
