#include "controlleremulator.h"

#include "pseudoterminal.h"

#include <QFile>
#include <QFileInfo>

Tz586kvEmulator::Tz586kvEmulator(QObject* parent)
    : QObject(parent)
    , m_pty(new PseudoTerminal(this))
{
    connect(m_pty, &PseudoTerminal::received, &m_model, &ControllerModel::receive);
    connect(&m_model, &ControllerModel::transmit, m_pty, &PseudoTerminal::write);
    connect(&m_model, &ControllerModel::plugPulled, this, &Tz586kvEmulator::pullPlug);
}

Tz586kvEmulator::~Tz586kvEmulator()
{
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).isSymLink())
        QFile::remove(m_linkPath);
}

bool Tz586kvEmulator::start(const QString& linkPath)
{
    m_linkPath = linkPath;
    return plugIn();
}

QString Tz586kvEmulator::devicePath() const { return m_pty->slavePath(); }

bool Tz586kvEmulator::isPluggedIn() const { return m_pty->isOpen(); }

bool Tz586kvEmulator::writeNow(const QByteArray& text) { return m_pty->write(text); }

bool Tz586kvEmulator::plugIn()
{
    if (!m_pty->isOpen() && !m_pty->open())
        return false;
    return updateLink();
}

bool Tz586kvEmulator::updateLink()
{
    if (m_linkPath.isEmpty())
        return true;
    const QFileInfo info(m_linkPath);
    if (info.isSymLink())
        QFile::remove(m_linkPath);
    else if (info.exists())
        return false;
    return QFile::link(m_pty->slavePath(), m_linkPath);
}

void Tz586kvEmulator::pullPlug()
{
    m_model.dropLine();
    m_pty->close();
    emit plugPulled();
}
