#include "deviceoperations.h"

#include "exchangehost.h"
#include "messageexchange.h"
#include "operationaborted.h"
#include "operationview.h"

#include <array>

namespace {
const QString CR = QStringLiteral("\r");
}

DeviceOperations::DeviceOperations(
    MessageExchange& exchange, ExchangeHost& host, OperationView& view)
    : m_exchange(exchange)
    , m_host(host)
    , m_view(view)
{
}

QString DeviceOperations::tooltip(int index)
{
    static const std::array<QString, OperationView::CommandCount> tips {
        QStringLiteral("Setting Data Read"),
        QStringLiteral("Setting Data Write"),
        QStringLiteral("Default Data Write"),
        QStringLiteral("Log Data Get"),
        QStringLiteral("Log Data Clear"),
    };
    return tips.at(static_cast<size_t>(index));
}

void DeviceOperations::CmdTzCom_Click(int index)
{
    for (int i = 0; i < OperationView::CommandCount; ++i)
        m_view.setCommandEnabled(i, false);
    m_exchange.ErrFlag = false;
    m_host.ShowMessage(tooltip(index), ExchangeHost::Black);
    try {
        switch (index) {
        case OperationView::Read:
            Read();
            break;
        case OperationView::Write:
            WriteSettings();
            break;
        case OperationView::DefaultWrite:
            DefaultWrite();
            break;
        case OperationView::Get:
            Get();
            break;
        case OperationView::Clear:
            Clear();
            break;
        default:
            break;
        }
    } catch (const OperationAborted&) {
        // The program is ending: leave everything as it is.
        return;
    }
    EndOperation();
    m_exchange.stopLamp();
    if (index != OperationView::Get)
        m_view.focusCommand(index);
}

void DeviceOperations::EndOperation()
{
    // A port lost during the operation stays lost: its buttons stay off.
    const bool open = m_view.portOpen();
    for (int i = 0; i < OperationView::CommandCount; ++i)
        m_view.setCommandEnabled(i, open);
    if (m_view.firstBoxEmpty())
        m_view.setCommandEnabled(OperationView::Write, false);
    if (!m_exchange.ErrFlag)
        m_host.ShowMessage(QStringLiteral("Completion"), ExchangeHost::Black);
}

bool DeviceOperations::readSettings()
{
    const bool earlier = m_exchange.ErrFlag;
    m_exchange.ErrFlag = false;
    const bool ok = m_exchange.SetReadData();
    const bool reported = m_exchange.ErrFlag;
    m_exchange.ErrFlag = earlier || reported;
    if (!ok && !reported) {
        // A reply that ended but cannot be an image: never let it pass as done.
        m_exchange.ErrFlag = true;
        m_host.ShowMessage(QStringLiteral("TZ cannot be set."), ExchangeHost::Red);
    }
    return ok;
}

void DeviceOperations::Read()
{
    m_view.ClearSettingDisplay();
    if (readSettings())
        m_view.ShowSettingData();
}

void DeviceOperations::WriteSettings()
{
    if (m_exchange.ReadData.isEmpty())
        m_exchange.SetReadData();
    m_exchange.DelaySeconds(0.5);
    const std::optional<QString> image = m_view.MakeWriteData();
    if (!image) {
        m_exchange.ErrFlag = true;
        m_host.ShowMessage(QStringLiteral("Data is abnormal!!"), ExchangeHost::Red);
        return;
    }
    m_writeData = *image;
    m_exchange.SendCommand(QStringLiteral("sw"), QStringLiteral("sw"));
    m_exchange.SendCommand(m_writeData, m_writeData);
    m_exchange.DelaySeconds(0.5);
    VerifyWrite();
}

void DeviceOperations::VerifyWrite()
{
    m_exchange.SetReadData();
    if (m_writeData != m_exchange.ReadData) {
        m_host.ShowMessage(QStringLiteral("Verify was NG."), ExchangeHost::Red);
        m_exchange.ErrFlag = true;
    }
}

void DeviceOperations::DefaultWrite()
{
    m_view.ClearSettingDisplay();
    if (m_exchange.RomVersion == -1) {
        m_exchange.SetReadData();
        m_exchange.DelaySeconds(0.3);
    }
    m_exchange.SendCommand(QStringLiteral("ae"), CR);
    m_exchange.DelaySeconds(0.5);
    m_exchange.SendCommand(QStringLiteral("rt"), QStringLiteral("rt"));
    m_exchange.DelaySeconds(0.5);
    if (readSettings())
        m_view.ShowSettingData();
}

void DeviceOperations::Get()
{
    m_exchange.SendCommand(QStringLiteral("br"), CR);
    if (!m_exchange.ErrFlag)
        m_view.SetGraph();
}

void DeviceOperations::Clear()
{
    if (!readSettings())
        return;
    m_exchange.DelaySeconds(0.3);
    m_exchange.SendCommand(QStringLiteral("be"), CR);
}
