#include "sourcelanguage.h"

#include <QCoreApplication>
#include <utility>

namespace {

// The one in force; a second one inside it changes nothing.
SourceLanguage* s_current = nullptr;

} // namespace

SourceLanguage::SourceLanguage()
{
    if (s_current || !QCoreApplication::instance())
        return;
    // Installed last, asked first.
    QCoreApplication::installTranslator(this);
    s_current = this;
    m_installed = true;
}

SourceLanguage::~SourceLanguage()
{
    if (!m_installed)
        return;
    QCoreApplication::removeTranslator(this);
    s_current = nullptr;
}

QString SourceLanguage::translate(const char*, const char* sourceText, const char*, int) const
{
    return sourceText ? QString::fromUtf8(sourceText) : QString();
}

QString SourceLanguage::english(const std::function<QString()>& make)
{
    const SourceLanguage english;
    return make();
}

QString SourceLanguage::userLanguage(const std::function<QString()>& make)
{
    if (!s_current)
        return make();
    SourceLanguage* const english = std::exchange(s_current, nullptr);
    QCoreApplication::removeTranslator(english);
    const QString text = make();
    QCoreApplication::installTranslator(english);
    s_current = english;
    return text;
}
