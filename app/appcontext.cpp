#include "appcontext.h"

#include "configuration.h"
#include "hostprobe.h"
#include "portdialog.h"
#include "serialline.h"

#include <optional>

QString AppContext::portClosedText() { return tr("ComPort cannot be opened."); }
QString AppContext::portOpenedText() { return tr("CommPort was initialized."); }
QString AppContext::demoOpenedText() { return tr("Demo controller connected."); }

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
        m_iniPath = Configuration::choosePath(m_state.appPath);
    }
    return m_iniPath;
}

Configuration AppContext::configuration() const { return Configuration(iniPath()); }

void AppContext::setPortNumber(int16_t number)
{
    m_state.portNumber = number;
    m_state.demoPort = false;
    configuration().setPort(QString::number(number));
}

void AppContext::chooseDemo()
{
    m_state.portNumber = 0;
    m_state.demoPort = true;
    configuration().setPort(PortName::demo().text());
}

void AppContext::storeScaleLine(int index, bool on) { configuration().setScaleLine(index, on); }

QString AppContext::chemistry() const { return configuration().chemistry(); }

void AppContext::storeChemistry(const QString& code) { configuration().setChemistry(code); }

QString AppContext::language() const { return configuration().language(); }

void AppContext::storeLanguage(const QString& code) { configuration().setLanguage(code); }

PortOverrides AppContext::portOverrides() const { return configuration().portOverrides(); }

PortName AppContext::currentPort() const
{
    if (m_state.demoPort)
        return PortName::demo();
    return m_state.portNumber == 0 ? PortName()
                                   : PortName::ofNumber(m_state.portNumber, portOverrides());
}

bool AppContext::demoConnected() const { return m_state.demoPort && m_line.isOpen(); }

void AppContext::loadConfig()
{
    const Configuration config = configuration();
    const std::optional<int16_t> port = config.portNumber();
    m_state.demoPort = PortName::parse(config.portName()).kind() == PortName::Kind::Demo;
    if (port)
        m_state.portNumber = *port;
    for (int i = 0; i < 2; ++i) {
        const auto flag = config.scaleLine(i);
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
        const PortName port = currentPort();
        if (port.kind() == PortName::Kind::None) {
            showMessage(portClosedText, MessageTone::Failure);
            return;
        }
        if (m_line.isOpen() || (port.isValid() && m_line.open(port.device()))) {
            showMessage(m_state.demoPort ? demoOpenedText : portOpenedText, MessageTone::Normal);
            if (m_portOpened)
                m_portOpened();
            return;
        }
        // A network port says why: refused, no route, an unknown name; a
        // name that does not read, what is wrong with it.
        const QString reason = port.isValid() ? m_line.openFailureText() : port.error();
        if (reason.isEmpty())
            showMessage(portClosedText, MessageTone::Failure);
        else
            showMessage([reason] { return tr("ComPort cannot be opened. %1.").arg(reason); },
                MessageTone::Failure);
        showPortDialog();
        if (m_portCancelled)
            return;
    }
}

void AppContext::showMessage(const MessageText& text, MessageTone tone) const
{
    if (m_messageLine)
        m_messageLine(text, tone);
}

std::shared_ptr<const SystemProbe> AppContext::portProbe() const
{
    return m_portProbe ? m_portProbe : std::make_shared<HostProbe>();
}

void AppContext::showMessage(const QString& text, MessageTone tone) const
{
    showMessage([text] { return text; }, tone);
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
