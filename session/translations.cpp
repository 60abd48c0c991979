#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

// The program's catalogues, built into the binary, and Qt's, which ship
// beside it on Windows and with Qt's translations on Linux.
constexpr const char* ProgramCatalogues[] = { "core", "cli", "app" };
constexpr const char* QtCatalogues[] = { "qtbase", "qtserialport" };

std::vector<std::unique_ptr<QTranslator>>& installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void install(std::unique_ptr<QTranslator> translator)
{
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
}

void installQtCatalogue(const QString& name, const QString& suffix)
{
    const QStringList folders { QCoreApplication::applicationDirPath() + u"/translations"_qs,
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) };
    for (const QString& folder : folders) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(name + u'_' + suffix, folder)) {
            install(std::move(translator));
            return;
        }
    }
}

}

UiLanguage languageFromCode(QStringView code)
{
    if (code == u"en")
        return UiLanguage::English;
    if (code == u"ja")
        return UiLanguage::Japanese;
    return UiLanguage::System;
}

QString languageCode(UiLanguage language)
{
    switch (language) {
    case UiLanguage::English:
        return u"en"_qs;
    case UiLanguage::Japanese:
        return u"ja"_qs;
    case UiLanguage::System:
        break;
    }
    return u"system"_qs;
}

UiLanguage resolvedLanguage(UiLanguage language, const QStringList& uiLanguages)
{
    if (language != UiLanguage::System)
        return language;
    for (const QString& name : uiLanguages) {
        const QString base = name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (base == u"ja")
            return UiLanguage::Japanese;
        if (base == u"en")
            return UiLanguage::English;
    }
    return UiLanguage::English;
}

UiLanguage applyLanguage(UiLanguage language)
{
    const UiLanguage shown = resolvedLanguage(language, QLocale::system().uiLanguages());
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    if (shown == UiLanguage::English)
        return shown;
    const QString suffix = languageCode(shown);
    for (const char* name : ProgramCatalogues) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QString::fromLatin1(name) + u'_' + suffix, u":/i18n"_qs))
            install(std::move(translator));
    }
    for (const char* name : QtCatalogues)
        installQtCatalogue(QString::fromLatin1(name), suffix);
    return shown;
}
