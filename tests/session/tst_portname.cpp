#include "portname.h"

#include <QDir>
#include <QTest>

using Kind = PortName::Kind;

class TestPortName : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("canonical"); // text()
        QTest::addColumn<QString>("shown"); // label(), or the error
        QTest::addColumn<QString>("endpoint"); // a network port's "host port"
#ifdef Q_OS_WIN
        const QStringList table { u"COM1"_qs, u"COM4"_qs, u"COM9"_qs, u"COM10"_qs };
#else
        const QStringList table { u"/dev/ttyUSB0"_qs, u"/dev/ttyUSB3"_qs, u"/dev/ttyS0"_qs,
            u"/dev/ttyS1"_qs };
#endif
        const auto ok = [](const QString& text, Kind kind, const QString& canonical,
                            const QString& shown, const QString& endpoint = {}) {
            QTest::newRow(qPrintable(text)) << text << kind << canonical << shown << endpoint;
        };
        const auto bad = [](const QString& text, const QString& error) {
            QTest::newRow(qPrintable(text))
                << text << Kind::Invalid << QString() << error << QString();
        };
        const auto com
            = [](int n, const QString& device) { return u"Com%1 (%2)"_qs.arg(n).arg(device); };
        const QString outside
            = u" is outside the port numbers 1-"_qs + QString::number(PortName::LastNumber);
        const QString beyond = PortName::numberLabel(PortName::LastNumber + 1);
        const QString here = QDir::currentPath() + u"/tty0"_qs;
        ok(u" 1 "_qs, Kind::Serial, u"1"_qs, com(1, table[0]));
        ok(u"Com 4"_qs, Kind::Serial, u"4"_qs, com(4, table[1]));
        ok(u"COM5"_qs, Kind::Serial, u"5"_qs, com(5, u"/dev/serial/by-id/tz-if00"_qs));
        ok(u"com9"_qs, Kind::Serial, u"9"_qs, com(9, table[2])); // named blank
        ok(u"10"_qs, Kind::Serial, u"10"_qs, com(10, table[3]));
        // Beyond the table only Windows names a device.
        for (const auto& [text, n] :
            { std::pair(u"COM23"_qs, 23), { u"\\\\.\\com23"_qs, 23 }, { u"256"_qs, 256 } }) {
#ifdef Q_OS_WIN
            ok(text, Kind::Serial, QString::number(n), com(n, u"COM%1"_qs.arg(n)));
#else
            bad(text, u"Com%1 has no device here: name one under [Ports] (Com%1=DEVICE)"_qs.arg(n));
#endif
        }
        ok(u"12"_qs, Kind::Network, u"12"_qs, com(12, u"tcp://bench:3001"_qs), u"bench 3001"_qs);
        ok(u"DeMo"_qs, Kind::Demo, u"demo"_qs, u"demo"_qs);
        ok(u"sub/../tty0"_qs, Kind::Serial, here, here);
        ok(u"TCP://127.0.0.1:3001"_qs, Kind::Network, u"tcp://127.0.0.1:3001"_qs,
            u"tcp://127.0.0.1:3001"_qs, u"127.0.0.1 3001"_qs);
        ok(u"tcp://Bench.local:03001"_qs, Kind::Network, u"tcp://bench.local:3001"_qs,
            u"tcp://bench.local:3001"_qs, u"bench.local 3001"_qs);
        ok(u"tcp://[::1]:3001"_qs, Kind::Network, u"tcp://[::1]:3001"_qs, u"tcp://[::1]:3001"_qs,
            u"::1 3001"_qs);
        bad(beyond, beyond + outside);
        bad(u"COM0"_qs, u"Com0"_qs + outside);
        bad(u"13"_qs, u"Com13 under [Ports]: tcp://bench has no port (tcp://HOST:PORT)"_qs);
        bad(u"tcp://bench"_qs, u"tcp://bench has no port (tcp://HOST:PORT)"_qs);
        bad(u"tcp://:3001"_qs, u"tcp://:3001 has no host (tcp://HOST:PORT)"_qs);
        bad(u"tcp://bench:0"_qs, u"tcp://bench:0: port 0 is outside 1-65535"_qs);
        bad(u"tcp://bench:70000"_qs, u"tcp://bench:70000: port 70000 is outside 1-65535"_qs);
        bad(u"tcp://bench:ser"_qs, u"tcp://bench:ser: port ser is not a number"_qs);
        bad(u"tcp://::1:3001"_qs,
            u"tcp://::1:3001: an IPv6 address goes in brackets (tcp://[::1]:PORT)"_qs);
        bad(u"tcp://bench:3001/x"_qs, u"tcp://bench:3001/x is not of the form tcp://HOST:PORT"_qs);
        bad(u"  "_qs, u"the port name is empty"_qs);
        bad(u"ttyUSB0"_qs,
            u"ttyUSB0 names no port: give a port number 1-%1 (3, Com3 or COM3), a device path, "
            u"demo or tcp://HOST:PORT"_qs.arg(PortName::LastNumber));
    }
    void listedNumbers_data()
    {
        QTest::addColumn<QString>("system"); // the ports the system names
        QTest::addColumn<QString>("beyond"); // the numbers listed after 1-16
        QTest::newRow("none beyond") << u"/dev/ttyUSB0 COM3 COM257"_qs << QString();
        QTest::newRow("by number, once") << u"COM40 com23 COM23"_qs << u" 23 40"_qs;
    }
    void listedNumbers()
    {
        QFETCH(QString, system);
        QFETCH(QString, beyond);
        QStringList numbers;
        for (int n : PortName::listedNumbers(system.split(u' ')))
            numbers.append(QString::number(n));
        QCOMPARE(numbers.join(u' '), u"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16"_qs + beyond);
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(Kind, kind);
        QFETCH(QString, canonical);
        QFETCH(QString, shown);
        QFETCH(QString, endpoint);
        const PortOverrides overrides { { 5, u" /dev/serial/by-id/tz-if00"_qs }, { 9, u" "_qs },
            { 12, u"TCP://Bench:3001"_qs }, { 13, u"tcp://bench"_qs } };
        const PortName name = PortName::parse(text, overrides);
        QCOMPARE(name.kind(), kind);
        QCOMPARE(name.isValid() ? name.label() : name.error(), shown);
        if (name.isValid())
            QCOMPARE(name.text(), canonical);
        QCOMPARE(name.kind() == Kind::Network ? name.host() + u' ' + QString::number(name.port())
                                              : QString(),
            endpoint);
        // What is kept reads back as the same port.
        if (name.isValid())
            QCOMPARE(PortName::parse(name.text(), overrides).device(), name.device());
    }
};

QTEST_GUILESS_MAIN(TestPortName)
#include "tst_portname.moc"
