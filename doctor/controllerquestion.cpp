#include "controllerquestion.h"

#include "messageexchange.h"
#include "operationaborted.h"
#include "serialline.h"

using Doctor::ControllerAnswer;

ControllerAnswer ControllerQuestion::ask(const QString& device)
{
    if (m_stopped || m_line.isOpen() || !m_line.open(device))
        return ControllerAnswer::NotAsked;
    ControllerAnswer answer = ControllerAnswer::Silent;
    {
        MessageExchange exchange(m_line);
        m_exchange = &exchange;
        try {
            if (exchange.readSettings())
                answer = ControllerAnswer::Answered;
        } catch (const OperationAborted&) {
            answer = ControllerAnswer::NotAsked;
        }
        m_exchange = nullptr;
    }
    m_line.close();
    return answer;
}

void ControllerQuestion::stop()
{
    m_stopped = true;
    if (m_exchange)
        m_exchange->abort();
}
