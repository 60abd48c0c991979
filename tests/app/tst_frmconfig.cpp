#include "fakeserialline.h"
#include "frmconfig.h"
#include "inifile.h"
#include "porttable.h"
#include "testrc.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TstFrmConfig : public QObject {
    Q_OBJECT
private slots:
    void init();

    void listing_offersOpenablePortsAndSelectsTheConfiguredOne_data();
    void listing_offersOpenablePortsAndSelectsTheConfiguredOne();
    void listing_showsDevicePathsAndLeavesTheLineClosed();
    void portsSection_namesTheDeviceOfANumber();
    void pickThenCancel_keepsThePickInMemoryAndFile();
    void buttonsAndCloseBox_setPortCancelled_data();
    void buttonsAndCloseBox_setPortCancelled();
    void captions_fitTheirControls();

private:
    QString storedPort() const
    {
        return IniFile(m_dir->filePath(u"TZ586KV Link.ini"_qs))
            .ReadIniKey(u"RS232C"_qs, u"CommPort"_qs);
    }
    QStringList entries(const frmConfig& dialog) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    AppState m_state;
    FakeSerialLine m_line;
};

void TstFrmConfig::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_state = AppState();
    m_state.AppPath = m_dir->path();
    m_line.close();
    m_line.openable.clear();
}

QStringList TstFrmConfig::entries(const frmConfig& dialog) const
{
    QStringList list;
    for (int i = 0; i < dialog.Combo()->count(); ++i)
        list.append(dialog.Combo()->itemText(i));
    return list;
}

void TstFrmConfig::listing_offersOpenablePortsAndSelectsTheConfiguredOne_data()
{
    QTest::addColumn<QList<int>>("openable");
    QTest::addColumn<int>("configured");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("stored"); // CommPort in the file afterwards

    QTest::newRow("3 and 12, 12 configured")
        << QList<int> { 12, 3 } << 12 << QStringList { u"Com3"_qs, u"Com12"_qs } << u"Com12"_qs
        << u"12"_qs;
    QTest::newRow("configured port busy")
        << QList<int> { 3, 12 } << 5 << QStringList { u"Com3"_qs, u"Com12"_qs } << QString()
        << u"Error"_qs;
    QTest::newRow("first and last")
        << QList<int> { 1, 16 } << 1 << QStringList { u"Com1"_qs, u"Com16"_qs } << u"Com1"_qs
        << u"1"_qs;
    QTest::newRow("nothing openable")
        << QList<int>() << 5 << QStringList { u"Not found"_qs } << u"Not found"_qs << u"Error"_qs;
}

void TstFrmConfig::listing_offersOpenablePortsAndSelectsTheConfiguredOne()
{
    QFETCH(QList<int>, openable);
    QFETCH(int, configured);
    QFETCH(QStringList, list);
    QFETCH(QString, selected);
    QFETCH(QString, stored);
    for (int port : openable)
        m_line.openable.insert(PortDevice(port, nullptr));
    m_state.ComPortNo = int16_t(configured);
    TestRC rc(m_state, m_line);

    frmConfig dialog(rc);
    QCOMPARE(entries(dialog), list);
    QCOMPARE(dialog.Combo()->currentText(), selected);
    QCOMPARE(storedPort(), stored);
    QCOMPARE(m_state.ComPortNo, configured);
}

void TstFrmConfig::listing_showsDevicePathsAndLeavesTheLineClosed()
{
    m_line.openable = { PortDevice(2, nullptr), PortDevice(9, nullptr) };
    TestRC rc(m_state, m_line);
    frmConfig dialog(rc);
    QCOMPARE(dialog.Combo()->count(), 2);
    QCOMPARE(dialog.Combo()->itemData(0, Qt::ToolTipRole).toString(), PortDevice(2, nullptr));
    QCOMPARE(dialog.Combo()->itemData(1, Qt::ToolTipRole).toString(), PortDevice(9, nullptr));
    QVERIFY(!m_line.isOpen());
}

void TstFrmConfig::portsSection_namesTheDeviceOfANumber()
{
    const QString fake = m_dir->filePath(u"my-adapter"_qs);
    IniFile(m_dir->filePath(u"TZ586KV Link.ini"_qs)).WriteIniKey(u"Ports"_qs, u"Com5"_qs, fake);
    m_line.openable = { fake };
    TestRC rc(m_state, m_line);
    frmConfig dialog(rc);
    QCOMPARE(entries(dialog), QStringList { u"Com5"_qs });
    QCOMPARE(dialog.Combo()->itemData(0, Qt::ToolTipRole).toString(), fake);
}

void TstFrmConfig::pickThenCancel_keepsThePickInMemoryAndFile()
{
    m_line.openable = { PortDevice(3, nullptr), PortDevice(12, nullptr) };
    m_state.ComPortNo = 12;
    TestRC rc(m_state, m_line);
    frmConfig dialog(rc);

    dialog.Combo()->setCurrentIndex(0);
    emit dialog.Combo()->activated(0);
    QTest::mouseClick(dialog.CmdCancel(), Qt::LeftButton);

    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(m_state.PortCancelled);
    QCOMPARE(m_state.ComPortNo, 3);
    QCOMPARE(storedPort(), u"3"_qs);
}

void TstFrmConfig::buttonsAndCloseBox_setPortCancelled_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::newRow("OK clears") << u"ok"_qs << true << false;
    QTest::newRow("Cancel sets") << u"cancel"_qs << false << true;
    QTest::newRow("close box keeps false") << u"close"_qs << false << false;
    QTest::newRow("close box keeps true") << u"close"_qs << true << true;
}

void TstFrmConfig::buttonsAndCloseBox_setPortCancelled()
{
    QFETCH(QString, action);
    QFETCH(bool, before);
    QFETCH(bool, after);
    m_state.PortCancelled = before;
    TestRC rc(m_state, m_line);
    frmConfig dialog(rc);
    dialog.show();
    if (action == u"ok")
        QTest::mouseClick(dialog.cmdOk(), Qt::LeftButton);
    else if (action == u"cancel")
        QTest::mouseClick(dialog.CmdCancel(), Qt::LeftButton);
    else
        dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_state.PortCancelled, after);
}

void TstFrmConfig::captions_fitTheirControls()
{
    TestRC rc(m_state, m_line);
    frmConfig dialog(rc);
    QCOMPARE(dialog.windowTitle(), u"ComPort Setting"_qs);
    QCOMPARE(dialog.size(), QSize(246, 105));
    const QFontMetrics metrics(dialog.label()->font());
    const QRect needed = metrics.boundingRect(
        QRect(QPoint(), dialog.label()->size()), Qt::TextWordWrap, dialog.label()->text());
    QVERIFY2(needed.height() <= dialog.label()->height(), qPrintable(dialog.font().toString()));
    QVERIFY(needed.width() <= dialog.label()->width());
    for (const QPushButton* button : { dialog.cmdOk(), dialog.CmdCancel() })
        QVERIFY(QFontMetrics(button->font()).horizontalAdvance(button->text()) < button->width());
    QCOMPARE(dialog.cmdOk()->geometry(), QRect(12, 60, 105, 33));
    QCOMPARE(dialog.Combo()->geometry(), QRect(140, 20, 93, 23));
    QCOMPARE(dialog.CmdCancel()->geometry(), QRect(176, 60, 57, 33));
}

QTEST_MAIN(TstFrmConfig)
#include "tst_frmconfig.moc"
