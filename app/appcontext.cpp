#include "appcontext.h"

#include "inifile.h"
#include "numbertext.h"
#include "portdialog.h"
#include "serialline.h"
#include "writetarget.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

const QString AppContext::Missing = QStringLiteral("Error");
const QString AppContext::PortClosedText = QStringLiteral("ComPort cannot be opened.");
const QString AppContext::PortOpenedText = QStringLiteral("CommPort was initialized.");

namespace {

const QString PortSection = QStringLiteral("RS232C");
const QString PortKey = QStringLiteral("CommPort");
const QString ChartSection = QStringLiteral("Chart");
const QString PortsSection = QStringLiteral("Ports");
constexpr int LastPort = 16;

// A stored number that does not fit 16 bits counts as not stored.
std::optional<int16_t> storedNumber(const QString& text)
{
    if (text == AppContext::Missing)
        return std::nullopt;
    return NumberText::toInt16(NumberText::leadingNumber(text));
}

}

AppContext::AppContext(AppState& state, SerialLine& line)
    : m_state(state)
    , m_line(line)
{
}

QString AppContext::makeVersionText(int major, int minor, int revision)
{
    return u"Version"_qs + QString::number(major) + u'.' + QString::number(minor)
        + QString::number(revision);
}

QString AppContext::iniPath() const
{
    if (m_iniPath.isEmpty() || m_iniPathFor != m_state.appPath) {
        m_iniPathFor = m_state.appPath;
        m_iniPath = chooseIniPath(m_state.appPath, m_state.title + u".ini"_qs);
    }
    return m_iniPath;
}

QString AppContext::chooseIniPath(const QString& appPath, const QString& fileName)
{
    // The owner's write bit decides, not access(): a superuser may write into
    // a read-only folder, yet a read-only folder marks an installed copy.
    const QFileInfo folder(appPath);
    const QString besideProgram = appPath + u'/' + fileName;
    // A program under /usr is an installed one even when a superuser runs it.
    const bool installed = appPath.startsWith(u"/usr/"_qs);
    const bool folderTakesWrites = !installed && folder.isDir() && folder.isWritable()
        && (folder.permissions() & QFileDevice::WriteOwner);
    if (folderTakesWrites && mayReplace(besideProgram))
        return besideProgram;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
        + fileName;
}

IniFile AppContext::ini() const { return IniFile(iniPath()); }

QString AppContext::readIniKey(const QString& section, const QString& key) const
{
    return ini().ReadIniKey(section, key);
}

void AppContext::writeIniKey(const QString& section, const QString& key, const QString& value)
{
    // A failed write stays silent: the value in memory serves this run.
    IniFile file = ini();
    QDir().mkpath(QFileInfo(file.path()).absolutePath());
    file.WriteIniKey(section, key, value);
}

void AppContext::setPortNumber(int16_t number)
{
    m_state.portNumber = number;
    writeIniKey(PortSection, PortKey, QString::number(number));
}

PortOverrides AppContext::portOverrides() const
{
    const IniFile file = ini();
    PortOverrides overrides;
    for (int n = 1; n <= LastPort; ++n) {
        const QString named = file.ReadIniKey(PortsSection, u"Com"_qs + QString::number(n));
        if (named != Missing && !named.trimmed().isEmpty())
            overrides.insert(n, named.trimmed());
    }
    return overrides;
}

QString AppContext::portDevice(int portNo) const { return ::portDevice(portNo, portOverrides()); }

void AppContext::loadConfig()
{
    const std::optional<int16_t> port = storedNumber(readIniKey(PortSection, PortKey));
    if (port)
        m_state.portNumber = *port;
    for (int i = 0; i < 2; ++i) {
        const auto flag
            = storedNumber(readIniKey(ChartSection, u"ScaleLine"_qs + QString::number(i)));
        if (flag)
            m_state.scaleLines[size_t(i)] = *flag;
    }
    if (!port)
        showPortDialog();
}

void AppContext::openPort()
{
    // Each failed attempt asks for another port until one opens or the user
    // cancels; a loop keeps the order of messages, dialog and attempts.
    for (;;) {
        if (m_state.portNumber == 0) {
            showMessage(PortClosedText, MessageTone::Failure);
            return;
        }
        if (m_line.isOpen() || m_line.open(portDevice(m_state.portNumber))) {
            showMessage(PortOpenedText, MessageTone::Normal);
            return;
        }
        showMessage(PortClosedText, MessageTone::Failure);
        showPortDialog();
        if (m_portCancelled)
            return;
    }
}

void AppContext::showMessage(const QString& text, MessageTone tone) const
{
    if (m_messageLine)
        m_messageLine(text, tone);
}

void AppContext::showPortDialog()
{
    DialogAnswer answer = DialogAnswer::Closed;
    if (m_portDialog) {
        answer = m_portDialog();
    } else {
        PortDialog dialog(*this, m_dialogParent);
        answer = dialog.run();
    }
    if (answer != DialogAnswer::Closed)
        m_portCancelled = answer == DialogAnswer::Cancel;
}
