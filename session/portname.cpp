#include "portname.h"

#include "configuration.h"
#include "demoline.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

const QString Scheme = QStringLiteral("tcp://");
const QString NetworkForm = QStringLiteral("(tcp://HOST:PORT)");
constexpr int LastTcpPort = 65535;

// The fixed table: USB adapters, then ACM modems, then built-in ports.
QString tableDevice(int number)
{
#ifdef Q_OS_WIN
    return u"COM%1"_qs.arg(number);
#else
    if (number <= 4)
        return u"/dev/ttyUSB%1"_qs.arg(number - 1);
    if (number <= 8)
        return u"/dev/ttyACM%1"_qs.arg(number - 5);
    return u"/dev/ttyS%1"_qs.arg(number - 9);
#endif
}

Phrase said(const char* source) { return Phrase::of("PortName", source); }

Phrase outside(const QString& label)
{
    return said(QT_TRANSLATE_NOOP("PortName", "%1 is outside the port numbers %2-%3"))
        .arg(label, QString::number(PortName::FirstNumber), QString::number(PortName::LastNumber));
}

Phrase emptyName() { return said(QT_TRANSLATE_NOOP("PortName", "the port name is empty")); }

bool isPath(const QString& text)
{
    return QDir::fromNativeSeparators(text).contains(u'/') || QFileInfo::exists(text);
}

} // namespace

PortName PortName::parse(const QString& given, const PortOverrides& overrides)
{
    const QString text = given.trimmed();
    if (text.isEmpty())
        return invalid(emptyName());
    static const QRegularExpression numberForm(
        u"^(?:com\\s*)?([0-9]+)$"_qs, QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = numberForm.match(text); match.hasMatch())
        return numbered(match.captured(1), overrides);
    if (text.startsWith(Scheme, Qt::CaseInsensitive)
        || text.compare(DemoLine::Device, Qt::CaseInsensitive) == 0)
        return ofDevice(text);
    if (isPath(text)) {
        PortName name;
        name.m_kind = Kind::Serial;
        name.m_device = QDir::cleanPath(QFileInfo(text).absoluteFilePath());
        return name;
    }
    return invalid(said(
        QT_TRANSLATE_NOOP("PortName",
            "%1 names no port: give a port number %2-%3 (3, Com3 or COM3), a device path, demo or "
            "tcp://HOST:PORT"))
                       .arg(text, QString::number(FirstNumber), QString::number(LastNumber)));
}

PortName PortName::numbered(const QString& digits, const PortOverrides& overrides)
{
    bool ok = false;
    const int number = digits.toInt(&ok);
    if (!ok)
        return invalid(outside(u"Com"_qs + digits));
    return ofNumber(number, overrides);
}

PortName PortName::ofNumber(int number, const PortOverrides& overrides)
{
    if (number < FirstNumber || number > LastNumber)
        return invalid(outside(numberLabel(number)));
    const QString named = overrides.value(number).trimmed();
    PortName name = ofDevice(named.isEmpty() ? tableDevice(number) : named);
    name.m_number = number;
    if (name.m_kind == Kind::Invalid)
        name.m_error = said(QT_TRANSLATE_NOOP("PortName", "%1 under [%2]: %3"))
                           .arg(numberLabel(number), Configuration::PortsSection, name.m_error);
    return name;
}

PortName PortName::ofDevice(const QString& device)
{
    const QString text = device.trimmed();
    if (text.isEmpty())
        return invalid(emptyName());
    if (text.compare(DemoLine::Device, Qt::CaseInsensitive) == 0)
        return demo();
    PortName name;
    if (text.startsWith(Scheme, Qt::CaseInsensitive)) {
        name = network(text);
        if (name.m_kind == Kind::Invalid)
            name.m_device = text;
        return name;
    }
    name.m_kind = Kind::Serial;
    name.m_device = text;
    return name;
}

PortName PortName::network(const QString& text)
{
    static const QRegularExpression beyond(u"[/?#@\\s]"_qs);
    const QString rest = text.mid(Scheme.size());
    const Phrase notNetwork
        = said(QT_TRANSLATE_NOOP("PortName", "%1 is not of the form tcp://HOST:PORT")).arg(text);
    if (rest.contains(beyond))
        return invalid(notNetwork);
    QString host = rest;
    QString port;
    const bool bracketed = rest.startsWith(u'[');
    if (bracketed) {
        const qsizetype close = rest.indexOf(u']');
        const QString after = close < 0 ? QString() : rest.mid(close + 1);
        if (close < 0 || !(after.isEmpty() || after.startsWith(u':')))
            return invalid(notNetwork);
        host = rest.mid(1, close - 1);
        port = after.mid(1);
    } else if (const qsizetype colon = rest.lastIndexOf(u':'); colon >= 0) {
        host = rest.left(colon);
        port = rest.mid(colon + 1);
    }
    if (!bracketed && host.contains(u':'))
        return invalid(said(QT_TRANSLATE_NOOP("PortName",
                                "%1: an IPv6 address goes in brackets (tcp://[::1]:PORT)"))
                           .arg(text));
    if (host.isEmpty())
        return invalid(
            said(QT_TRANSLATE_NOOP("PortName", "%1 has no host %2")).arg(text, NetworkForm));
    if (port.isEmpty())
        return invalid(
            said(QT_TRANSLATE_NOOP("PortName", "%1 has no port %2")).arg(text, NetworkForm));
    QUrl url;
    url.setHost(host, QUrl::StrictMode);
    // Brackets hold an IPv6 address and nothing else.
    if (url.host().isEmpty() || bracketed != url.host().contains(u':'))
        return invalid(said(QT_TRANSLATE_NOOP("PortName", "%1: %2 is no host name or address"))
                           .arg(text, host));
    static const QRegularExpression digits(u"^[0-9]+$"_qs);
    if (!digits.match(port).hasMatch())
        return invalid(
            said(QT_TRANSLATE_NOOP("PortName", "%1: port %2 is not a number")).arg(text, port));
    bool ok = false;
    const int number = port.toInt(&ok);
    if (!ok || number < 1 || number > LastTcpPort)
        return invalid(said(QT_TRANSLATE_NOOP("PortName", "%1: port %2 is outside 1-%3"))
                           .arg(text, port, QString::number(LastTcpPort)));
    PortName name;
    name.m_kind = Kind::Network;
    name.m_host = url.host();
    name.m_port = quint16(number);
    name.m_device = Scheme + (bracketed ? u'[' + name.m_host + u']' : name.m_host) + u':'
        + QString::number(number);
    return name;
}

PortName PortName::demo()
{
    PortName name;
    name.m_kind = Kind::Demo;
    name.m_device = DemoLine::Device;
    return name;
}

PortName PortName::invalid(const Phrase& error)
{
    PortName name;
    name.m_kind = Kind::Invalid;
    name.m_error = error;
    return name;
}

QString PortName::numberLabel(int number) { return u"Com"_qs + QString::number(number); }

QString PortName::text() const { return m_number > 0 ? QString::number(m_number) : m_device; }

QString PortName::label() const
{
    if (m_number == 0)
        return m_device;
    return u"%1 (%2)"_qs.arg(numberLabel(m_number), m_device);
}
