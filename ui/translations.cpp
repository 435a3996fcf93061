// Picking and installing the translations: the game's are compiled in under ":/i18n/"; Qt's
// come from Qt's translations folder, or compiled in as well where Qt has none installed.
#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace ninefold {

namespace {

std::unique_ptr<QTranslator>& gameTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& qtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// The shipped language for one UI language ("de-AT", "pt-PT", "zh-Hans-SG"): the same
// language in the same script, so Traditional Chinese does not get the Simplified texts.
// "en" for English and the C locale, empty for a language the game does not speak.
QString shippedFor(const QString& uiLanguage) {
    const QLocale wanted(uiLanguage);
    if (wanted.language() == QLocale::English || wanted.language() == QLocale::C) {
        return QStringLiteral("en");
    }
    for (const QString& name : ShippedLanguages()) {
        const QLocale shipped(name);
        if (shipped.language() == wanted.language() && shipped.script() == wanted.script()) {
            return name;
        }
    }
    return {};
}

std::unique_ptr<QTranslator> load(const QString& file, const QStringList& folders) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (translator->load(file, folder)) {
            QCoreApplication::installTranslator(translator.get());
            return translator;
        }
    }
    return nullptr;
}

}  // namespace

QStringList ShippedLanguages() {
    return {QStringLiteral("de"),   QStringLiteral("es"),    QStringLiteral("fr"),
            QStringLiteral("it"),   QStringLiteral("ja"),    QStringLiteral("nl"),
            QStringLiteral("pl"),   QStringLiteral("pt_BR"), QStringLiteral("ru"),
            QStringLiteral("zh_CN")};
}

QString InstallTranslations(const QLocale& locale) {
    RemoveTranslations();
    QString language;
    for (const QString& uiLanguage : locale.uiLanguages()) {
        language = shippedFor(uiLanguage);
        if (!language.isEmpty()) {
            break;
        }
    }
    if (language.isEmpty() || language == QLatin1String("en")) {
        return {};
    }
    gameTranslator() = load(QStringLiteral("ninefold_") + language, {QStringLiteral(":/i18n")});
    // Qt's own dialog texts: the file dialog, the message box buttons.
    qtTranslator() =
        load(QStringLiteral("qtbase_") + language,
             {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/i18n")});
    return language;
}

void RemoveTranslations() {
    for (std::unique_ptr<QTranslator>* translator : {&gameTranslator(), &qtTranslator()}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
}

const QTranslator* GameTranslator() {
    return gameTranslator().get();
}

}  // namespace ninefold
