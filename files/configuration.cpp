#include "configuration.h"

#include "hostfolders.h"
#include "inifile.h"
#include "numbertext.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

const QString Configuration::FileName = QStringLiteral("TZ586KV Link.ini");
const QString Configuration::Missing = QStringLiteral("Error");
const QString Configuration::PortsSection = QStringLiteral("Ports");

namespace {
const QString PortSection = QStringLiteral("RS232C");
const QString PortKey = QStringLiteral("CommPort");
const QString ChartSection = QStringLiteral("Chart");
const QString ChemistryKey = QStringLiteral("Chemistry");
const QString PreferencesSection = QStringLiteral("Preferences");
const QString LanguageKey = QStringLiteral("Language");

QString overrideKey(int number) { return u"Com"_qs + QString::number(number); }
QString scaleLineKey(int index) { return u"ScaleLine"_qs + QString::number(index); }
}

QString Configuration::choosePath(const QString& appPath, const QString& fileName)
{
    const QString besideProgram = appPath + u'/' + fileName;
    if (HostFolders::programFolderTakesConfig(appPath, besideProgram))
        return besideProgram;
    return HostFolders::userConfigFolder() + u'/' + fileName;
}

Configuration::Configuration(QString path)
    : m_path(std::move(path))
{
}

QString Configuration::read(const QString& section, const QString& key) const
{
    return IniFile(m_path).value(section, key);
}

bool Configuration::write(const QString& section, const QString& key, const QString& value) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return IniFile(m_path).setValue(section, key, value);
}

std::optional<int16_t> Configuration::number(const QString& section, const QString& key) const
{
    const QString text = read(section, key);
    if (text == Missing)
        return std::nullopt;
    return NumberText::toInt16(NumberText::leadingNumber(text));
}

std::optional<int16_t> Configuration::portNumber() const { return number(PortSection, PortKey); }

QString Configuration::portName() const { return read(PortSection, PortKey).trimmed(); }

bool Configuration::setPort(const QString& text) const { return write(PortSection, PortKey, text); }

QMap<int, QString> Configuration::portOverrides() const
{
    // Every ComN: which numbers a port may have is the port name's rule.
    static const QRegularExpression key(
        u"^com([1-9][0-9]*)$"_qs, QRegularExpression::CaseInsensitiveOption);
    QMap<int, QString> overrides;
    for (const auto& [name, value] : IniFile(m_path).entries(PortsSection)) {
        const QRegularExpressionMatch match = key.match(name);
        const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
        if (number > 0 && !overrides.contains(number) && value != Missing
            && !value.trimmed().isEmpty())
            overrides.insert(number, value.trimmed());
    }
    return overrides;
}

bool Configuration::setPortOverride(int number, const QString& device) const
{
    return write(PortsSection, overrideKey(number), device);
}

std::optional<int16_t> Configuration::scaleLine(int index) const
{
    return number(ChartSection, scaleLineKey(index));
}

bool Configuration::setScaleLine(int index, bool on) const
{
    return write(ChartSection, scaleLineKey(index), on ? u"1"_qs : u"0"_qs);
}

QString Configuration::chemistry() const
{
    const QString code = read(ChartSection, ChemistryKey).trimmed();
    return code == Missing ? QString() : code;
}

bool Configuration::setChemistry(const QString& code) const
{
    return write(ChartSection, ChemistryKey, code);
}

QString Configuration::language() const
{
    const QString code = read(PreferencesSection, LanguageKey).trimmed();
    return code == Missing ? QString() : code;
}

bool Configuration::setLanguage(const QString& code) const
{
    return write(PreferencesSection, LanguageKey, code);
}
