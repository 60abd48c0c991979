#include "portchoice.h"

#include "appcontext.h"
#include "serialline.h"

PortChoice::PortChoice(AppContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
{
    connect(&context.line(), &SerialLine::lost, this, &PortChoice::onLost);
}

void PortChoice::openAtStart()
{
    m_context.loadConfig();
    openWanted();
}

void PortChoice::choose()
{
    close();
    // Nothing may start on the closed port while the next one opens (a
    // network port may take seconds to connect).
    emit changed();
    m_context.showPortDialog();
    openWanted();
}

void PortChoice::close()
{
    if (m_context.line().isOpen())
        m_context.line().close();
    emit closed();
}

void PortChoice::openWanted()
{
    if (m_context.portWanted())
        m_context.openPort();
    else
        m_context.showMessage(AppContext::portClosedText, MessageTone::Failure);
    emit changed();
}

void PortChoice::onLost()
{
    close();
    m_context.showMessage(AppContext::portClosedText, MessageTone::Failure);
    emit changed();
}
