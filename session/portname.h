#pragma once

#include "phrase.h"

#include <QMap>
#include <QString>

// Devices the user named for port numbers under [Ports], replacing the table's.
using PortOverrides = QMap<int, QString>;

// A port as the user names it, read in one place for the window, the
// command line and the doctor: a port number ("3", "Com3", "com 3", "COM3")
// mapped through the table and [Ports], a device path, "demo" for the demo
// controller, or "tcp://HOST:PORT" (IPv6 as [::1]) for a serial bridge. A
// name that reads as none of these says what is wrong with it.
class PortName {
public:
    enum class Kind { None, Invalid, Serial, Demo, Network };

    static constexpr int FirstNumber = 1;
    // The numbers a port may have; beyond the table, Windows opens COMn.
#ifdef Q_OS_WIN
    static constexpr int LastNumber = 255;
#else
    static constexpr int LastNumber = 16;
#endif
    // The numbers the port dialog and "tz586kv ports" list.
    static constexpr int LastListed = 16;

    // No port chosen.
    PortName() = default;

    // Any form above, surrounding blanks aside; a relative path is taken
    // from the current folder.
    static PortName parse(const QString& text, const PortOverrides& overrides = {});
    // Port number: the device [Ports] names for it, else the table's.
    static PortName ofNumber(int number, const PortOverrides& overrides = {});
    // A device as the table or [Ports] names it, or as device() gave it.
    static PortName ofDevice(const QString& device);
    static PortName demo();
    // "Com3".
    static QString numberLabel(int number);

    Kind kind() const { return m_kind; }
    bool isValid() const { return m_kind != Kind::None && m_kind != Kind::Invalid; }
    // What is wrong with the name, as a sentence without its full stop;
    // tz586kv's JSON takes the phrase's source.
    const Phrase& errorPhrase() const { return m_error; }
    QString error() const { return m_error.text; } // for people
    // The port number; 0 for a name given otherwise.
    int number() const { return m_number; }
    // As the configuration keeps it and --port takes it back: "3", "demo",
    // an absolute path, or "tcp://host:port" with the scheme and host in
    // lower case.
    QString text() const;
    // What the line opens and the history records: the path, "demo", or
    // the canonical "tcp://host:port".
    const QString& device() const { return m_device; }
    // A network port's host (an IPv6 address without brackets) and port.
    const QString& host() const { return m_host; }
    quint16 port() const { return m_port; }
    // "Com3 (/dev/ttyUSB2)", or the device.
    QString label() const;

private:
    static PortName invalid(const Phrase& error);
    static PortName network(const QString& text);
    static PortName numbered(const QString& text, const PortOverrides& overrides);

    Kind m_kind = Kind::None;
    int m_number = 0;
    QString m_device;
    QString m_host;
    quint16 m_port = 0;
    Phrase m_error;
};
