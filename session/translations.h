#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The languages the program speaks; English is the source of every text.
enum class UiLanguage { System, English, Japanese };

// "system", "en", "ja" as kept in the configuration; anything else is System.
UiLanguage languageFromCode(QStringView code);
QString languageCode(UiLanguage language);

// What System means for the given UI languages (QLocale::uiLanguages()):
// the first of them the program speaks, else English.
UiLanguage resolvedLanguage(UiLanguage language, const QStringList& uiLanguages);

// Replaces the installed catalogues (the program's and Qt's own) with those
// of the language; Qt then sends every widget a LanguageChange event.
// Returns the language now shown.
UiLanguage applyLanguage(UiLanguage language);
