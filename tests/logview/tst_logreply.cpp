#include "logreply.h"

#include <QTest>

namespace {

// "br" and 512 groups of "0000", with the given group at sample n.
QString replyWith(int n, const QString& group)
{
    QString reply = QStringLiteral("br") + QStringLiteral("0000").repeated(SampleStore::Count);
    reply.replace(4 * n - 2, 4, group);
    return reply;
}

SampleStore filledWith(float value)
{
    SampleStore store;
    store.volt.fill(value);
    store.cur.fill(value);
    return store;
}

} // namespace

class TestLogReply : public QObject {
    Q_OBJECT
private slots:
    void group_decodesToVoltsAndAmps_data();
    void group_decodesToVoltsAndAmps();
    void shortReply_leavesCutFieldsMissing_data();
    void shortReply_leavesCutFieldsMissing();
    void allFFFF_leavesBothChannelsMissing();
    void charactersAfterTheLastGroup_changeNothing();
    void decoding_replacesEveryEntryAndMarksTheLogHeld();
};

void TestLogReply::group_decodesToVoltsAndAmps_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("group");
    QTest::addColumn<float>("volt");
    QTest::addColumn<float>("cur");
    QTest::newRow("zero") << 7 << u"0000"_qs << 0.0f << 0.0f;
    QTest::newRow("1.2 V, 30 A") << 3 << u"1010"_qs << 1.2f << 30.0f;
    QTest::newRow("voltage missing") << 1 << u"FF64"_qs << -1.0f << 190.0f;
    QTest::newRow("current missing") << 512 << u"60FF"_qs << 7.5f << -1.0f;
    QTest::newRow("top of range") << 100 << u"FEFE"_qs << 19.7f << 480.0f;
    QTest::newRow("10.0 V, 300 A") << 200 << u"81A0"_qs << 10.0f << 300.0f;
    QTest::newRow("lower case") << 55 << u"ffa0"_qs << -1.0f << 300.0f;
    QTest::newRow("lower case voltage") << 56 << u"a001"_qs << 12.4f << 0.0f;
    QTest::newRow("non-hex voltage") << 9 << u"6G64"_qs << -1.0f << 190.0f;
    QTest::newRow("non-hex current") << 10 << u"60 1"_qs << 7.5f << -1.0f;
    QTest::newRow("sign is no digit") << 11 << u"+1-1"_qs << -1.0f << -1.0f;
}

void TestLogReply::group_decodesToVoltsAndAmps()
{
    QFETCH(int, n);
    QFETCH(QString, group);
    SampleStore store;
    decodeLogReply(replyWith(n, group), store);
    QTEST(store.RunVolt(n), "volt");
    QTEST(store.RunCur(n), "cur");
    const int other = n == 1 ? 2 : n - 1;
    QCOMPARE(store.RunVolt(other), 0.0f);
    QCOMPARE(store.RunCur(other), 0.0f);
}

void TestLogReply::shortReply_leavesCutFieldsMissing_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("lastVolt"); // last sample with a voltage
    QTest::addColumn<int>("lastCur");
    QTest::newRow("empty") << 0 << 0 << 0;
    QTest::newRow("prefix only") << 2 << 0 << 0;
    QTest::newRow("one digit of a field") << 3 << 0 << 0;
    QTest::newRow("current cut in half") << 2 + 4 * 100 + 3 << 101 << 100;
    QTest::newRow("one character short") << 2049 << 512 << 511;
    QTest::newRow("complete") << 2050 << 512 << 512;
}

void TestLogReply::shortReply_leavesCutFieldsMissing()
{
    QFETCH(int, length);
    QFETCH(int, lastVolt);
    QFETCH(int, lastCur);
    const QString reply
        = (QStringLiteral("br") + QStringLiteral("6064").repeated(512)).left(length);
    SampleStore store = filledWith(42);
    decodeLogReply(reply, store);
    for (int n = 1; n <= SampleStore::Count; ++n) {
        QCOMPARE(store.RunVolt(n), n <= lastVolt ? 7.5f : -1.0f);
        QCOMPARE(store.RunCur(n), n <= lastCur ? 190.0f : -1.0f);
    }
}

void TestLogReply::allFFFF_leavesBothChannelsMissing()
{
    SampleStore store = filledWith(3);
    decodeLogReply(QString(QStringLiteral("br") + QStringLiteral("FFFF").repeated(512)), store);
    for (int n = 1; n <= SampleStore::Count; ++n) {
        QCOMPARE(store.RunVolt(n), -1.0f);
        QCOMPARE(store.RunCur(n), -1.0f);
    }
}

void TestLogReply::charactersAfterTheLastGroup_changeNothing()
{
    const QString reply = replyWith(512, u"1010"_qs);
    SampleStore plain;
    SampleStore trailed;
    decodeLogReply(reply, plain);
    decodeLogReply(QString(reply + u"\rFFFFzz"_qs), trailed);
    QVERIFY(plain.volt == trailed.volt);
    QVERIFY(plain.cur == trailed.cur);
    QCOMPARE(trailed.RunCur(512), 30.0f);
}

void TestLogReply::decoding_replacesEveryEntryAndMarksTheLogHeld()
{
    SampleStore store = filledWith(42);
    QVERIFY(!store.held);
    decodeLogReply(u"brzz"_qs, store);
    QVERIFY(store.held);
    for (int n = 1; n <= SampleStore::Count; ++n) {
        QCOMPARE(store.RunVolt(n), -1.0f);
        QCOMPARE(store.RunCur(n), -1.0f);
    }
}

QTEST_APPLESS_MAIN(TestLogReply)
#include "tst_logreply.moc"
