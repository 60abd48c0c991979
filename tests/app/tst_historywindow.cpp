#include "fakeprompts.h"
#include "historywindow.h"
#include "testmain.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString A = u"E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021504"_s;
// Box 0 holds 2000 and "Robot Mode" is on.
const QString B = u"D0078813F005D007E8030000000000660A2D555032504C3C6A1485C800021510"_s;
}

class TstHistoryWindow : public QObject {
    Q_OBJECT
private slots:
    void entry_showsItsDifferencesAndLoads()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path());
        QVERIFY(store.record(HistoryStore::Kind::Read, A));
        QVERIFY(store.record(HistoryStore::Kind::Written, B, u"/dev/ttyUSB1"_s));
        QVERIFY(store.record(HistoryStore::Kind::Verified, B, u"/dev/ttyUSB1"_s));
        QString shown = A;
        FakePrompts prompts;
        HistoryWindow window(store, prompts, [&] { return shown; });
        connect(&window, &HistoryWindow::loadRequested, [&](const QString& i) { shown = i; });

        QTreeWidget* list = window.list();
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(HistoryWindow::DifferencesColumn), u"3"_s);
        QCOMPARE(list->topLevelItem(1)->text(HistoryWindow::DifferencesColumn), u"0"_s);
        QCOMPARE(list->topLevelItem(0)->text(HistoryWindow::KindColumn), u"written, verified"_s);
        QCOMPARE(list->topLevelItem(0)->text(HistoryWindow::PortColumn), u"/dev/ttyUSB1"_s);

        QStringList marked;
        const QTableWidget* table = window.table();
        for (int r = 0; r < table->rowCount(); ++r) {
            if (table->item(r, HistoryWindow::MarkColumn)->text() == HistoryWindow::DiffersMark)
                marked << table->item(r, HistoryWindow::CaptionColumn)->text() + u'='
                        + table->item(r, HistoryWindow::EntryColumn)->text() + u'/'
                        + table->item(r, HistoryWindow::OtherColumn)->text();
        }
        QCOMPARE(marked,
            QStringList({ u"PWM frequency(at Min. load)=2000/1000"_s, u"Reverse Cancel=Off/On"_s,
                u"Robot Mode=On/Off"_s }));

        window.cmdLoad()->click();
        QCOMPARE(shown, B);
        QCOMPARE(list->topLevelItem(0)->text(HistoryWindow::DifferencesColumn), u"0"_s);
    }
};

TZ_TEST_MAIN(TstHistoryWindow)
#include "tst_historywindow.moc"
