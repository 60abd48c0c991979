#include "doctor.h"
#include "portreport.h"
#include "systemprobe.h"

#include <QTest>

using Failure = SerialLine::OpenFailure;

// alice, in no group but her own, with one adapter plugged in (also by id).
struct FakeProbe : SystemProbe {
    QStringList account { u"alice"_qs };
    QStringList running;
    QStringList devices { u"/dev/ttyUSB0"_qs, u"/dev/serial/by-id/usb-FTDI-if00"_qs };
    Failure usbFailure = Failure::None;

    QString userName() const override { return u"alice"_qs; }
    QStringList sessionGroups() const override { return { u"alice"_qs }; }
    QStringList accountGroups() const override { return account; }
    QString ownerGroup(const QString&) const override { return u"dialout"_qs; }
    bool packageInstalled(const QString&) const override { return false; }
    bool processRunning(const QString& name) const override { return running.contains(name); }
    QStringList serialDevices() const override { return devices; }
    QMap<QString, QString> adapterNames() const override
    {
        return { { u"/dev/ttyUSB0"_qs, u"FT232R USB UART"_qs } };
    }
    QString resolved(const QString& d) const override
    {
        return d.contains(u"by-id"_qs) ? u"/dev/ttyUSB0"_qs : d;
    }
    Failure openFailure(const QString& d) const override
    {
        return !devices.contains(d)   ? Failure::NoDevice
            : d == u"/dev/ttyUSB0"_qs ? usbFailure
                                      : Failure::None;
    }
};

class TestDoctor : public QObject {
    Q_OBJECT

private slots:
    void findings_data()
    {
        QTest::addColumn<int>("failure"); // of the chosen port, Com1 on /dev/ttyUSB0
        QTest::addColumn<QString>("setup"); // "tcp:...": --port names that instead
        QTest::addColumn<QString>("checks");
        QTest::addColumn<QString>("fix"); // part of the first finding's text or fix
        const int denied = int(Failure::PermissionDenied);
#ifdef Q_OS_WIN
        const QString holder = u"Close the program that holds it;"_qs;
#else
        const QString holder = u"fuser -v /dev/ttyUSB0"_qs;
#endif
        const auto row
            = [](const char* name, int failure, const QString& setup, const QString& checks,
                  const QString& fix) { QTest::newRow(name) << failure << setup << checks << fix; };
        row("clean", 0, {}, {}, {});
        row("group", denied, {}, u"group not-asked"_qs,
            u"Run sudo usermod -aG dialout alice, then log out"_qs);
        row("relogin", denied, u"account"_qs, u"relogin not-asked"_qs, u"newgrp dialout"_qs);
        row("brltty", 0, u"brltty"_qs, u"brltty"_qs, u"apt-get remove brltty"_qs);
        row("ModemManager", 0, u"ModemManager"_qs, u"modemmanager"_qs,
            u"systemctl disable --now ModemManager"_qs);
        row("unplugged", 0, u"unplugged"_qs, u"port-absent no-adapter not-asked"_qs,
            u"tz586kv ports"_qs);
        row("in use", int(Failure::InUse), {}, u"port-in-use not-asked"_qs, holder);
        row("silent", 0, u"silent"_qs, u"silent"_qs, u"controller is powered"_qs);
        // The probe opened the port, the question could not.
        row("not asked", 0, u"not asked"_qs, u"not-asked"_qs, u"diagnose again"_qs);
        // Neither a missing device nor a network that cannot be reached.
        row("bad network name", 0, u"tcp://bench"_qs, u"bad-name"_qs,
            u"tcp://bench has no port (tcp://HOST:PORT)."_qs);
    }
    void findings()
    {
        QFETCH(int, failure);
        QFETCH(QString, setup);
        QFETCH(QString, checks);
        QFETCH(QString, fix);
        FakeProbe probe;
        probe.usbFailure = Failure(failure);
        if (setup == u"unplugged"_qs)
            probe.devices.clear();
        if (setup == u"account"_qs)
            probe.account.append(u"dialout"_qs);
        probe.running.append(setup);
        QString asked;
        const auto answers = [&](const QString& device) {
            asked = device;
            using enum Doctor::ControllerAnswer;
            return setup == u"silent"_qs ? Silent : setup == u"not asked"_qs ? NotAsked : Answered;
        };
        const QString usb = u"/dev/ttyUSB0"_qs;
        const PortName port = setup.startsWith(u"tcp:"_qs) ? PortName::parse(setup)
                                                           : PortName::ofNumber(1, { { 1, usb } });
        const QList<Doctor::Finding> found = Doctor::diagnose(probe, port, answers);
        QStringList names;
        for (const Doctor::Finding& f : found)
            names.append(Doctor::checkName(f.check));
        QCOMPARE(names.join(u' '), checks);
        // The controller is asked only on a port that opens.
        QCOMPARE(asked,
            port.isValid() && probe.openFailure(port.device()) == Failure::None ? usb : QString());
        if (!found.isEmpty()) {
            const QString text = found.front().line.text + u" Fix: "_qs + found.front().fix.text;
            QVERIFY2(text.contains(fix), qPrintable(text));
        }
    }

    void ports_allAddsDevicesOutsideTheTable()
    {
        FakeProbe probe;
        probe.usbFailure = Failure::PermissionDenied;
        auto deviceOf
            = [](int p) { return p == 1 ? u"/dev/ttyUSB0"_qs : u"/dev/ttyS%1"_qs.arg(p); };
        const QList<PortReport::Entry> all = PortReport::build(probe, deviceOf, true);
        QCOMPARE(PortReport::build(probe, deviceOf, false).size(), 16);
        QCOMPARE(all.size(), 17);
        QCOMPARE(all[0].group, u"dialout"_qs);
        QCOMPARE(all[1].state, PortReport::State::Absent);
        QCOMPARE(all[16].device, probe.devices[1]);
        QCOMPARE(all[16].sameAs, 1);
        // The adapter is named by its node, through a link as well.
        QCOMPARE(all[0].adapter, u"FT232R USB UART"_qs);
        QCOMPARE(all[16].adapter, u"FT232R USB UART"_qs);
        QVERIFY(all[1].adapter.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDoctor)
#include "tst_doctor.moc"
