#include "testrc.h"

#include "exchangehost.h"
#include "frmconfig.h"
#include "inifile.h"
#include "numbertext.h"
#include "porttable.h"
#include "serialline.h"
#include "writetarget.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

const QString TestRC::Missing = QStringLiteral("Error");
const QString TestRC::PortClosedText = QStringLiteral("ComPort cannot be opened.");
const QString TestRC::PortOpenedText = QStringLiteral("CommPort was initialized.");

namespace {

const QString PortSection = QStringLiteral("RS232C");
const QString PortKey = QStringLiteral("CommPort");
const QString ChartSection = QStringLiteral("Chart");

// A stored number that does not fit 16 bits counts as not stored.
std::optional<int16_t> storedNumber(const QString& text)
{
    if (text == TestRC::Missing)
        return std::nullopt;
    return NumberText::toInt16(NumberText::leadingNumber(text));
}

}

TestRC::TestRC(AppState& state, SerialLine& line)
    : m_state(state)
    , m_line(line)
{
}

QString TestRC::MakeVersionText(int major, int minor, int revision)
{
    return u"Version"_qs + QString::number(major) + u'.' + QString::number(minor)
        + QString::number(revision);
}

QString TestRC::iniPath() const
{
    if (m_iniPath.isEmpty() || m_iniPathFor != m_state.AppPath) {
        m_iniPathFor = m_state.AppPath;
        m_iniPath = chooseIniPath(m_state.AppPath, m_state.AppTitle + u".ini"_qs);
    }
    return m_iniPath;
}

QString TestRC::chooseIniPath(const QString& appPath, const QString& fileName)
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

IniFile TestRC::ini() const { return IniFile(iniPath()); }

QString TestRC::ReadIniKey(const QString& section, const QString& key) const
{
    return ini().ReadIniKey(section, key);
}

void TestRC::WriteIniKey(const QString& section, const QString& key, const QString& value)
{
    // A failed write stays silent: the value in memory serves this run.
    IniFile file = ini();
    QDir().mkpath(QFileInfo(file.path()).absolutePath());
    file.WriteIniKey(section, key, value);
}

QString TestRC::portDevice(int portNo) const
{
    const IniFile file = ini();
    return PortDevice(portNo, &file);
}

void TestRC::LoadConfig()
{
    const std::optional<int16_t> port = storedNumber(ReadIniKey(PortSection, PortKey));
    if (port)
        m_state.ComPortNo = *port;
    for (int i = 0; i < 2; ++i) {
        const auto flag
            = storedNumber(ReadIniKey(ChartSection, u"ScaleLine"_qs + QString::number(i)));
        if (flag)
            m_state.ScaleLine[i] = *flag;
    }
    if (!port)
        ShowPortDialog();
}

void TestRC::OpenPort()
{
    // Each failed attempt asks for another port until one opens or the user
    // cancels; a loop keeps the order of messages, dialog and attempts.
    for (;;) {
        if (m_state.ComPortNo == 0) {
            ShowMessage(PortClosedText, ExchangeHost::Red);
            return;
        }
        if (m_line.isOpen() || m_line.open(portDevice(m_state.ComPortNo))) {
            ShowMessage(PortOpenedText, ExchangeHost::Black);
            return;
        }
        ShowMessage(PortClosedText, ExchangeHost::Red);
        ShowPortDialog();
        if (m_state.PortCancelled)
            return;
    }
}

void TestRC::ShowMessage(const QString& text, uint32_t colour)
{
    if (m_host)
        m_host->ShowMessage(text, colour);
}

void TestRC::ShowPortDialog()
{
    if (m_portDialog) {
        m_portDialog();
        return;
    }
    frmConfig dialog(*this, m_dialogParent);
    dialog.exec();
}
