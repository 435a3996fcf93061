// The one way the game talks to the player in a message box. Texts are passed exactly as the
// game words them (CR LF line breaks); tests answer through a scripted seam.
#pragma once

#include <string>

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
    // A hint: as information, but placed where it leaves the grid in view.
    virtual void hint(const std::string& text) { information(text); }
    // The exclamation icon with Yes and No, Yes the default; true for Yes.
    virtual bool question(const std::string& text) = 0;
    // No icon, only OK (the About box).
    virtual void plain(const std::string& text) = 0;
};

}  // namespace ninefold
