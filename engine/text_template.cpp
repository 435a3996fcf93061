// Template lookup and the one-pass filling of %1 to %9 and %n.
#include "engine/text_template.h"

namespace ninefold {

std::string TextSource::Template(const TextTemplate& text, int64_t count) const {
    if (text.counted()) {
        return count == 1 ? text.englishOne : text.englishOther;
    }
    return text.text;
}

const TextSource& EnglishText() {
    static const TextSource english;
    return english;
}

std::string FillTemplate(std::string_view pattern, std::initializer_list<std::string_view> args,
                         int64_t count) {
    std::string text;
    text.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next == 'n') {
            text += std::to_string(count);
            ++i;
        } else if (pattern[i] == '%' && next >= '1' && next <= '9' &&
                   static_cast<size_t>(next - '1') < args.size()) {
            text += args.begin()[next - '1'];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string Sentence(const TextSource& source, const TextTemplate& text,
                     std::initializer_list<std::string_view> args) {
    return FillTemplate(source.Template(text, 1), args);
}

std::string CountedSentence(const TextSource& source, const TextTemplate& text, int64_t count,
                            std::initializer_list<std::string_view> args) {
    return FillTemplate(source.Template(text, count), args, count);
}

}  // namespace ninefold
