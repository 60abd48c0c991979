#include "fakeserialline.h"
#include "frmconfig.h"
#include "porttable.h"
#include "qtserialline.h"
#include "testrc.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using Failure = SerialLine::OpenFailure;

class TstFrmConfigReasons : public QObject {
    Q_OBJECT
private slots:
    void init();

    void refusedDevices_areNamedWithTheirReason_data();
    void refusedDevices_areNamedWithTheirReason();
    void reasons_growTheDialogBelowTheUnmovedControls();
    void realLine_tellsMissingAndBusyDevicesApart();
    void realLine_tellsAnUnreadableDeviceIsDenied();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    AppState m_state;
    FakeSerialLine m_line;
};

namespace {

QString named(int port)
{
    return QStringLiteral("Com%1 (%2)").arg(port).arg(PortDevice(port, nullptr));
}

const QString DeniedTail = u": permission denied. Add yourself to the dialout group (uucp on some "
                           u"systems) and log in again."_qs;
const QString BusyTail = u": in use by another program."_qs;

// A pseudo-terminal whose slave side stands in for a serial device.
struct Pty {
    int master = -1;
    QString slave;
    Pty()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0)
            slave = QString::fromLocal8Bit(ptsname(master));
    }
    ~Pty()
    {
        if (master >= 0)
            ::close(master);
    }
};

}

void TstFrmConfigReasons::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_state = AppState();
    m_state.AppPath = m_dir->path();
    m_line.close();
    m_line.openable.clear();
    m_line.refusals.clear();
}

void TstFrmConfigReasons::refusedDevices_areNamedWithTheirReason_data()
{
    QTest::addColumn<QList<int>>("openable");
    QTest::addColumn<QList<int>>("denied");
    QTest::addColumn<QList<int>>("busy");
    QTest::addColumn<QList<int>>("otherFailure");
    QTest::addColumn<QString>("text"); // empty: the line stays hidden

    QTest::newRow("all present open")
        << QList<int> { 1, 9 } << QList<int>() << QList<int>() << QList<int>() << QString();
    QTest::newRow("no device at all")
        << QList<int>() << QList<int>() << QList<int>() << QList<int>() << QString();
    QTest::newRow("one denied") << QList<int> { 9 } << QList<int> { 1 } << QList<int>()
                                << QList<int>() << named(1) + DeniedTail;
    QTest::newRow("one busy") << QList<int>() << QList<int>() << QList<int> { 9 } << QList<int>()
                              << named(9) + BusyTail;
    QTest::newRow("two denied, one busy, joined per reason")
        << QList<int> { 2 } << QList<int> { 1, 16 } << QList<int> { 5 } << QList<int>()
        << named(1) + u", "_qs + named(16) + DeniedTail + u'\n' + named(5) + BusyTail;
    QTest::newRow("other failures are not named")
        << QList<int>() << QList<int>() << QList<int>() << QList<int> { 9, 10 } << QString();
}

void TstFrmConfigReasons::refusedDevices_areNamedWithTheirReason()
{
    QFETCH(QList<int>, openable);
    QFETCH(QList<int>, denied);
    QFETCH(QList<int>, busy);
    QFETCH(QList<int>, otherFailure);
    QFETCH(QString, text);
    for (int port : openable)
        m_line.openable.insert(PortDevice(port, nullptr));
    for (int port : denied)
        m_line.refusals.insert(PortDevice(port, nullptr), Failure::PermissionDenied);
    for (int port : busy)
        m_line.refusals.insert(PortDevice(port, nullptr), Failure::InUse);
    for (int port : otherFailure)
        m_line.refusals.insert(PortDevice(port, nullptr), Failure::Other);
    TestRC rc(m_state, m_line);

    frmConfig dialog(rc);
    QCOMPARE(dialog.Combo()->count(), qMax(1, int(openable.size())));
    QCOMPARE(dialog.LblRefused()->isVisibleTo(&dialog), !text.isEmpty());
    if (!text.isEmpty())
        QCOMPARE(dialog.LblRefused()->text(), text);
    QVERIFY(!m_line.isOpen());
}

void TstFrmConfigReasons::reasons_growTheDialogBelowTheUnmovedControls()
{
    for (int port : { 1, 2, 3, 9, 10 })
        m_line.refusals.insert(PortDevice(port, nullptr), Failure::PermissionDenied);
    m_line.refusals.insert(PortDevice(4, nullptr), Failure::InUse);
    TestRC rc(m_state, m_line);
    frmConfig dialog(rc);

    const QLabel* reasons = dialog.LblRefused();
    QCOMPARE(dialog.cmdOk()->geometry(), QRect(12, 60, 105, 33));
    QCOMPARE(dialog.Combo()->geometry(), QRect(140, 20, 93, 23));
    QCOMPARE(dialog.CmdCancel()->geometry(), QRect(176, 60, 57, 33));
    QCOMPARE(dialog.width(), 246);
    QVERIFY(reasons->y() > dialog.CmdCancel()->geometry().bottom());
    QVERIFY(reasons->geometry().right() < dialog.width());
    QVERIFY(reasons->geometry().bottom() < dialog.height());
    // Every wrapped line shows in full.
    const QRect needed
        = QFontMetrics(reasons->font())
              .boundingRect(QRect(QPoint(), reasons->size()), Qt::TextWordWrap, reasons->text());
    QVERIFY(needed.height() <= reasons->height());
}

void TstFrmConfigReasons::realLine_tellsMissingAndBusyDevicesApart()
{
    Pty pty;
    QVERIFY(!pty.slave.isEmpty());
    QtSerialLine holder;
    QVERIFY2(holder.open(pty.slave), qPrintable(holder.errorString()));
    QCOMPARE(holder.lastOpenFailure(), Failure::None);

    QtSerialLine line;
    QVERIFY(!line.open(pty.slave));
    QCOMPARE(line.lastOpenFailure(), Failure::InUse);
    QVERIFY(!line.open(m_dir->filePath(u"no-such-tty"_qs)));
    QCOMPARE(line.lastOpenFailure(), Failure::NoDevice);

    holder.close();
    QVERIFY(line.open(pty.slave));
    QCOMPARE(line.lastOpenFailure(), Failure::None);
}

void TstFrmConfigReasons::realLine_tellsAnUnreadableDeviceIsDenied()
{
    if (geteuid() == 0)
        QSKIP("root may open any device");
    Pty pty;
    QVERIFY(!pty.slave.isEmpty());
    const QString link = m_dir->filePath(u"tty"_qs);
    QVERIFY(QFile::link(pty.slave, link));
    QVERIFY(QFile::setPermissions(pty.slave, QFileDevice::ReadOwner));
    QtSerialLine line;
    QVERIFY(!line.open(link));
    QCOMPARE(line.lastOpenFailure(), Failure::PermissionDenied);
}

QTEST_MAIN(TstFrmConfigReasons)
#include "tst_frmconfigreasons.moc"
