#include "controlleremulator.h"
#include "qtserialline.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

namespace {
double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void runEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
}

class TestQtSerialLine : public QObject {
    Q_OBJECT

private slots:
    void open_appliesLineSettingsDespiteRefusedDtr()
    {
        Tz586kvEmulator emulator;
        QVERIFY(emulator.start());
        QtSerialLine line;
        QVERIFY(line.open(emulator.devicePath()));
        QVERIFY(line.isOpen());
        QCOMPARE(line.port().baudRate(), 9600);
        QCOMPARE(line.port().parity(), QSerialPort::OddParity);
        QCOMPARE(line.port().dataBits(), QSerialPort::Data8);
        QCOMPARE(line.port().stopBits(), QSerialPort::OneStop);
        QCOMPARE(line.port().flowControl(), QSerialPort::NoFlowControl);
    }

    void open_missingDeviceFails()
    {
        QtSerialLine line;
        QVERIFY(!line.open(u"/dev/tz586kv-no-such-port"_qs));
        QVERIFY(!line.isOpen());
    }

    void open_discardsWhatWaited()
    {
        Tz586kvEmulator emulator;
        QVERIFY(emulator.start());
        QVERIFY(emulator.writeNow("left over"));
        QtSerialLine line;
        QVERIFY(line.open(emulator.devicePath()));
        QSignalSpy arrived(&line, &SerialLine::readyRead);
        QVERIFY(line.write("rt"));
        QByteArray got;
        QTRY_COMPARE(got += line.readAll(), QByteArray("rt"));
    }

    void reopen_afterCloseSucceeds()
    {
        Tz586kvEmulator emulator;
        QVERIFY(emulator.start());
        QtSerialLine line;
        for (int i = 0; i < 3; ++i) {
            QVERIFY(line.open(emulator.devicePath()));
            line.close();
            QVERIFY(!line.isOpen());
        }
        QVERIFY(line.open(emulator.devicePath()));
        QSignalSpy arrived(&line, &SerialLine::readyRead);
        QVERIFY(line.write("sr"));
        QVERIFY(arrived.wait());
    }

    void plugPulled_lostOnceClosedAndIdle()
    {
        Tz586kvEmulator emulator;
        QVERIFY(emulator.start());
        QtSerialLine line;
        QVERIFY(line.open(emulator.devicePath()));
        QSignalSpy lost(&line, &SerialLine::lost);
        QVERIFY(line.write("br"));
        QVERIFY(QSignalSpy(&line, &SerialLine::readyRead).wait());
        emulator.pullPlug();
        QVERIFY(lost.wait(2000));
        QVERIFY(!line.isOpen());

        const double cpuBefore = cpuSeconds();
        runEventsFor(300);
        const double cpu = cpuSeconds() - cpuBefore;
        QVERIFY2(cpu < 0.05, qPrintable(QString::number(cpu)));
        QCOMPARE(lost.size(), 1);
        QVERIFY(!line.write("sr"));
        QVERIFY(line.readAll().isEmpty());
    }

    void plugBackIn_opensNewDevice()
    {
        Tz586kvEmulator emulator;
        QVERIFY(emulator.start());
        QtSerialLine line;
        QVERIFY(line.open(emulator.devicePath()));
        QSignalSpy lost(&line, &SerialLine::lost);
        emulator.pullPlug();
        QVERIFY(lost.wait(2000));
        QVERIFY(emulator.plugIn());
        QVERIFY(line.open(emulator.devicePath()));
        QSignalSpy arrived(&line, &SerialLine::readyRead);
        QVERIFY(line.write("rt"));
        QVERIFY(arrived.wait());
    }
};

QTEST_GUILESS_MAIN(TestQtSerialLine)
#include "tst_qtserialline.moc"
