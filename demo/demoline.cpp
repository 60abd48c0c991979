#include "demoline.h"

const QString DemoLine::Device = QStringLiteral("demo");

QList<DemoLine::FaultChoice> DemoLine::faultChoices()
{
    return {
        { EmulatorFault::None, tr("Answer properly") },
        { EmulatorFault::NoAnswer, tr("No answer") },
        { EmulatorFault::NoTerminator, tr("Reply cut short") },
        { EmulatorFault::NonHex, tr("Non-hex data") },
        { EmulatorFault::WriteNotSticking, tr("Verify fails") },
        { EmulatorFault::Deleted, tr("Setting data deleted") },
        { EmulatorFault::OtherModel, tr("Another model") },
        { EmulatorFault::PullPlug, tr("Unplugged") },
    };
}

DemoLine::DemoLine(QObject* parent)
    : SerialLine(parent)
{
    connect(&m_model, &ControllerModel::transmit, this, &DemoLine::onTransmit);
    connect(&m_model, &ControllerModel::plugPulled, this, &DemoLine::onPlugPulled);
    // The pack flies again once its log was asked for, so that the next Get
    // has another flight to compare with; the reply is on its way by then.
    connect(
        &m_model, &ControllerModel::commandReceived, this,
        [this](const QByteArray& command) {
            if (command == "br" && m_model.log() == ControllerModel::defaultLog(m_flight))
                m_model.setLog(ControllerModel::defaultLog(++m_flight));
        },
        Qt::QueuedConnection);
}

bool DemoLine::open(const QString&)
{
    if (!m_open)
        m_input.clear();
    m_open = true;
    return true;
}

void DemoLine::close()
{
    m_open = false;
    m_model.setFault(EmulatorFault::None);
    m_input.clear();
    m_model.dropLine();
}

QByteArray DemoLine::readAll() { return std::exchange(m_input, {}); }

bool DemoLine::write(const QByteArray& data)
{
    if (!m_open)
        return false;
    m_model.receive(data);
    return true;
}

void DemoLine::onTransmit(const QByteArray& data)
{
    // Beyond the limit characters are lost, as on a port whose buffer overran.
    const qsizetype room = InputLimit - m_input.size();
    if (!m_open || room <= 0)
        return;
    m_input += data.left(room);
    emit readyRead();
}

void DemoLine::onPlugPulled()
{
    if (!m_open)
        return;
    close();
    emit lost();
}
