#include "fakeserialline.h"
#include "frmconfig.h"
#include "inifile.h"
#include "porttable.h"
#include "testrc.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtWidgets>

using namespace Qt::Literals::StringLiterals;

class TstFrmConfig : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_state = AppState();
        m_state.AppPath = m_dir->path();
        m_line.openable.clear();
        m_line.refusals.clear();
    }

    void listing_offersOpenablePortsAndSelectsTheConfiguredOne_data()
    {
        QTest::addColumn<QList<int>>("openable");
        QTest::addColumn<QStringList>("list"); // the selected entry first
        QTest::addColumn<QString>("stored"); // CommPort in the file afterwards
        QTest::newRow("3 and 12") << QList<int> { 12, 3 }
                                  << QStringList { u"Com12"_s, u"Com3"_s, u"Com12"_s } << u"12"_s;
        QTest::newRow("nothing") << QList<int>() << QStringList { u"Not found"_s, u"Not found"_s }
                                 << u"Error"_s;
    }

    void listing_offersOpenablePortsAndSelectsTheConfiguredOne()
    {
        QFETCH(QList<int>, openable);
        QFETCH(QStringList, list);
        QFETCH(QString, stored);
        for (int port : openable)
            m_line.openable.insert(PortDevice(port, nullptr));
        m_state.ComPortNo = 12;
        TestRC rc(m_state, m_line);
        frmConfig dialog(rc);
        QStringList shown { dialog.Combo()->currentText() };
        for (int i = 0; i < dialog.Combo()->count(); ++i)
            shown.append(dialog.Combo()->itemText(i));
        QCOMPARE(shown, list);
        QCOMPARE(storedPort(), stored);
        QVERIFY(!m_line.isOpen());
    }

    void pickThenCancel_keepsThePickInMemoryAndFile()
    {
        m_line.openable = { PortDevice(3, nullptr), PortDevice(12, nullptr) };
        m_state.ComPortNo = 12;
        TestRC rc(m_state, m_line);
        frmConfig dialog(rc);
        dialog.Combo()->setCurrentIndex(0);
        emit dialog.Combo()->activated(0);
        QTest::mouseClick(dialog.CmdCancel(), Qt::LeftButton);
        QVERIFY(m_state.PortCancelled);
        QCOMPARE(m_state.ComPortNo, 3);
        QCOMPARE(storedPort(), u"3"_s);
    }

    void refusedDevices_areNamedWithTheirReason()
    {
        m_line.openable = { PortDevice(2, nullptr) };
        m_line.refusals.insert(PortDevice(1, nullptr), SerialLine::OpenFailure::PermissionDenied);
        m_line.refusals.insert(PortDevice(16, nullptr), SerialLine::OpenFailure::PermissionDenied);
        m_line.refusals.insert(PortDevice(5, nullptr), SerialLine::OpenFailure::InUse);
        m_line.refusals.insert(PortDevice(9, nullptr), SerialLine::OpenFailure::Other);
        TestRC rc(m_state, m_line);
        frmConfig dialog(rc);
        const auto named
            = [](int port) { return u"Com%1 (%2)"_s.arg(port).arg(PortDevice(port, nullptr)); };
        QVERIFY(dialog.LblRefused()->isVisibleTo(&dialog));
        QCOMPARE(dialog.LblRefused()->text(),
            named(1) + u", "_s + named(16)
                + u": permission denied. Add yourself to the dialout group (uucp on some systems) "
                  u"and log in again.\n"_s
                + named(5) + u": in use by another program."_s);
    }

private:
    QString storedPort() const
    {
        return IniFile(m_dir->filePath(u"TZ586KV Link.ini"_s))
            .ReadIniKey(u"RS232C"_s, u"CommPort"_s);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    AppState m_state;
    FakeSerialLine m_line;
};

QTEST_MAIN(TstFrmConfig)
#include "tst_frmconfig.moc"
