#include "qtserialline.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace {

// A program killed while it held a device (kill -9 of a run) leaves its line
// settings behind, and Qt refuses to open a pseudo-terminal whose input
// settings it cannot bring back to 8O1. Puts raw 9600 8O1 in place; only
// after Qt's own open failed on the settings, so a device in use is never
// touched.
bool resetLineSettings(const QString& device)
{
#ifdef Q_OS_UNIX
    const int fd
        = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    termios tio {};
    bool done = ::tcgetattr(fd, &tio) == 0;
    if (done) {
        ::cfmakeraw(&tio);
        tio.c_iflag &= ~(IGNPAR | PARMRK | INPCK | IXON | IXOFF | IXANY);
        tio.c_cflag &= ~(CSIZE | CSTOPB | CRTSCTS);
        tio.c_cflag |= CS8 | PARENB | PARODD | CREAD | CLOCAL;
        ::cfsetispeed(&tio, B9600);
        ::cfsetospeed(&tio, B9600);
        done = ::tcsetattr(fd, TCSANOW, &tio) == 0;
    }
    ::close(fd);
    return done;
#else
    Q_UNUSED(device)
    return false;
#endif
}

} // namespace

QtSerialLine::QtSerialLine(QObject* parent)
    : SerialLine(parent)
{
    m_port.setReadBufferSize(InputLimit);
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLine::readyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialLine::onError);
}

QtSerialLine::~QtSerialLine()
{
    // Closing must not report a loss to whoever still listens.
    m_port.disconnect(this);
    m_port.close();
}

bool QtSerialLine::open(const QString& device)
{
    m_lastFailure = OpenFailure::None;
    if (m_port.isOpen()) {
        if (m_port.portName() == device)
            return true;
        m_port.close();
    }
    // Every setting goes in before opening: a pseudo-terminal refuses a parity
    // change on an open port.
    m_port.setPortName(device);
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setParity(QSerialPort::OddParity);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    bool opened = m_port.open(QIODevice::ReadWrite);
    if (!opened && m_port.error() == QSerialPort::UnsupportedOperationError
        && resetLineSettings(device))
        opened = m_port.open(QIODevice::ReadWrite);
    if (!opened) {
        m_lastFailure = failureOf(device);
        return false;
    }
    // A pseudo-terminal has no DTR line; the port is usable all the same.
    m_port.setDataTerminalReady(false);
    m_port.clearError();
    // Qt does not flush on open.
    m_port.clear(QSerialPort::AllDirections);
    return true;
}

void QtSerialLine::close() { m_port.close(); }

bool QtSerialLine::isOpen() const { return m_port.isOpen(); }

QByteArray QtSerialLine::readAll() { return m_port.isOpen() ? m_port.readAll() : QByteArray(); }

void QtSerialLine::discardInput()
{
    if (!m_port.isOpen())
        return;
    m_port.readAll();
    m_port.clear(QSerialPort::Input);
}

bool QtSerialLine::write(const QByteArray& data)
{
    if (!m_port.isOpen())
        return false;
    return m_port.write(data) == data.size();
}

void QtSerialLine::onError(QSerialPort::SerialPortError error)
{
    if (!m_port.isOpen())
        return;
    switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError:
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
        break;
    default:
        return;
    }
    // Qt keeps repeating the error while the port stays open.
    m_port.close();
    m_port.clearError();
    emit lost();
}

SerialLine::OpenFailure QtSerialLine::failureOf(const QString& device) const
{
    switch (m_port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return OpenFailure::NoDevice;
    case QSerialPort::PermissionError:
        break;
    default:
        return OpenFailure::Other;
    }
#ifdef Q_OS_UNIX
    // Qt reports a lock file, TIOCEXCL and EBUSY as a permission error too:
    // a device we may read and write was refused because someone holds it.
    const QString path = device.startsWith(u'/') ? device : u"/dev/"_qs + device;
    if (!QFileInfo::exists(path))
        return OpenFailure::NoDevice;
    const QByteArray native = QFile::encodeName(path);
    return ::access(native.constData(), R_OK | W_OK) == 0 ? OpenFailure::InUse
                                                          : OpenFailure::PermissionDenied;
#else
    // Windows refuses a port held by another program with "access denied".
    Q_UNUSED(device)
    return OpenFailure::InUse;
#endif
}

QMap<QString, QString> QtSerialLine::adapterNames()
{
    QMap<QString, QString> names;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        if (port.description().isEmpty())
            continue;
#ifdef Q_OS_WIN
        names.insert(port.portName().toUpper(), port.description());
#else
        names.insert(port.systemLocation(), port.description());
#endif
    }
    return names;
}
