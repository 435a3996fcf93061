// Sentences built from templates with numbered placeholders: the engine and the command-line
// tool fill in the English templates, the game window hands in translated ones.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a template for the translators' tools: the build's lupdate run reads these two as
// Qt's QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP. To the compiler each is the context and the
// text, the first two members of a TextTemplate.
#define NINEFOLD_TEXT(context, text) context, text
#define NINEFOLD_COUNTED_TEXT(context, text) context, text

namespace ninefold {

// One text as translators see it. `text` is the English template and the key of its
// translations: %1 to %9 stand for the arguments, %n for the count of a counted text. A
// counted text also gives its English forms, for a count of one and for every other count.
struct TextTemplate {
    const char* context;  // where the text shows, which groups it for translators
    const char* text;
    const char* englishOne = nullptr;
    const char* englishOther = nullptr;

    constexpr bool counted() const { return englishOne != nullptr; }
};

// Where the templates come from. This base answers the English ones; the window's answers
// the player's language and English for a text it has no translation of.
class TextSource {
  public:
    virtual ~TextSource() = default;
    // The template of `text` in the form for `count` (a text that counts nothing ignores it).
    virtual std::string Template(const TextTemplate& text, int64_t count) const;
};

// The English templates, the default of every engine function that builds a text.
const TextSource& EnglishText();

// Replaces %1 to %9 with the arguments in one pass (an argument's own "%2" stays as it is) and
// %n with the count. A placeholder without an argument stays in the text.
std::string FillTemplate(std::string_view pattern, std::initializer_list<std::string_view> args,
                         int64_t count = 0);

// The text's template from the source, filled in.
std::string Sentence(const TextSource& source, const TextTemplate& text,
                     std::initializer_list<std::string_view> args = {});
// A counted text: the form for the count, with %n and the arguments filled in.
std::string CountedSentence(const TextSource& source, const TextTemplate& text, int64_t count,
                            std::initializer_list<std::string_view> args = {});

}  // namespace ninefold
