#include "qtprompts.h"

#include <QTest>

class TstQtPrompts : public QObject {
    Q_OBJECT
private slots:
    void filters_becomeQtEntriesInOrder_data();
    void filters_becomeQtEntriesInOrder();
};

void TstQtPrompts::filters_becomeQtEntriesInOrder_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("setting files")
        << u"TZ setting data (*.set)|*.set|ALL files(*.*)|*.*"_qs
        << QStringList { u"TZ setting data (*.set)"_qs, u"ALL files(*.*)"_qs };
    QTest::newRow("bare descriptions") << u"Logs|*.csv|Everything|*"_qs
                                       << QStringList { u"Logs (*.csv)"_qs, u"Everything (*)"_qs };
    QTest::newRow("several patterns")
        << u"Text|*.txt;*.log"_qs << QStringList { u"Text (*.txt *.log)"_qs };
    QTest::newRow("description naming other patterns")
        << u"Data (*.dat)|*.csv"_qs << QStringList { u"Data (*.dat) (*.csv)"_qs };
    QTest::newRow("no pattern") << u"Lonely"_qs << QStringList { u"All files (*)"_qs };
}

void TstQtPrompts::filters_becomeQtEntriesInOrder()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, entries);
    QCOMPARE(QtPrompts::toQtFilters(filter), entries);
}

QTEST_GUILESS_MAIN(TstQtPrompts)
#include "tst_qtprompts.moc"
