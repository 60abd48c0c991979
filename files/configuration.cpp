#include "configuration.h"

#include "hostfolders.h"
#include "inifile.h"
#include "numbertext.h"

#include <QDir>
#include <QFileInfo>

const QString Configuration::FileName = QStringLiteral("TZ586KV Link.ini");
const QString Configuration::Missing = QStringLiteral("Error");

namespace {
constexpr int LastPort = 16;
const QString PortSection = QStringLiteral("RS232C");
const QString PortKey = QStringLiteral("CommPort");
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

QMap<int, QString> Configuration::portOverrides() const
{
    const IniFile file(m_path);
    QMap<int, QString> overrides;
    for (int n = 1; n <= LastPort; ++n) {
        const QString named = file.value(u"Ports"_qs, u"Com"_qs + QString::number(n));
        if (named != Missing && !named.trimmed().isEmpty())
            overrides.insert(n, named.trimmed());
    }
    return overrides;
}
