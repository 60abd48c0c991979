#pragma once

#include <QString>
#include <QTranslator>
#include <functional>

// English, the language the texts are written in, whatever the user's: JSON
// documents never change with the language. While an instance lives, every
// translation answers with its source text; with a JSON document the whole
// command runs so, and only what a person reads is made in the user's
// language (userLanguage()).
class SourceLanguage : public QTranslator {
public:
    SourceLanguage();
    ~SourceLanguage() override;

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
        int n) const override;
    bool isEmpty() const override { return false; }

    // make() in English.
    static QString english(const std::function<QString()>& make);
    // make() in the user's language, also while English is in force.
    static QString userLanguage(const std::function<QString()>& make);

private:
    bool m_installed = false;
};
