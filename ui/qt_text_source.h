// The engine's templates in the player's language, from the game's installed translation.
#pragma once

#include "engine/text_template.h"

namespace ninefold {

// Answers a text's translated template, the numerus form for its count, and the English one
// when no translation is installed or it lacks the text.
class QtTextSource : public TextSource {
  public:
    std::string Template(const TextTemplate& text, int64_t count) const override;
};

// The source every text the window shows is built from.
const TextSource& WindowText();

}  // namespace ninefold
