// The player's language: the game's own translation and Qt's for its dialogs, chosen from the
// desktop's UI languages. English, the language of the source, needs neither.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QTranslator;

namespace ninefold {

// The languages the game speaks besides English, as their files name them ("de", "pt_BR").
QStringList ShippedLanguages();

// Installs the translations of the first of the locale's UI languages that is English or one
// the game speaks; returns that language's name, empty for English (nothing installed). What
// an earlier call installed is removed first.
QString InstallTranslations(const QLocale& locale = QLocale::system());
void RemoveTranslations();

// The game's installed translator, or null under English.
const QTranslator* GameTranslator();

}  // namespace ninefold
