// Engine templates looked up in the game's translator, which leaves %n to the sentence builder
// so a count past the range of int still shows whole.
#include "ui/qt_text_source.h"

#include <QTranslator>
#include <climits>

#include "ui/translations.h"

namespace ninefold {

namespace {

// Numerus rules look at the last digits and at the size of a count, so a count past INT_MAX
// keeps its last six digits and stays above a million.
int formCount(int64_t count) {
    if (count <= INT_MAX) {
        return static_cast<int>(count);
    }
    return static_cast<int>(count % 1000000 + 1000000);
}

}  // namespace

std::string QtTextSource::Template(const TextTemplate& text, int64_t count) const {
    if (const QTranslator* translator = GameTranslator()) {
        const QString translated = translator->translate(text.context, text.text, nullptr,
                                                         text.counted() ? formCount(count) : -1);
        if (!translated.isEmpty()) {
            return translated.toStdString();
        }
    }
    return TextSource::Template(text, count);
}

const TextSource& WindowText() {
    static const QtTextSource source;
    return source;
}

}  // namespace ninefold
