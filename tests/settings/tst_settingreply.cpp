#include "settingreply.h"

#include <QTest>

namespace {

const QString Image = u"E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021504"_qs;
const QString Good = u"sr"_qs + Image + u"\n\r"_qs;

} // namespace

class TestSettingReply : public QObject {
    Q_OBJECT

private slots:
    void reply_isAcceptedOnlyWhenWhole_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("image"); // empty: refused
        QTest::addColumn<int>("romVersion");

        QTest::newRow("echo, image, closing pair") << Good << Image << 0x15;
        QTest::newRow("lower-case image")
            << u"sr"_qs + Image.toLower() + u"\n\r"_qs << Image.toLower() << 0x15;
        QTest::newRow("no echo, four closing characters")
            << Image + u"\r\n\r\n"_qs << Image << 0x15;
        QTest::newRow("rom version FF")
            << u"sr"_qs + QString(Image).replace(60, 2, u"FF"_qs) + u"\n\r"_qs
            << QString(Image).replace(60, 2, u"FF"_qs) << 255;
        QTest::newRow("one character short") << Good.chopped(1) << QString() << 0;
        QTest::newRow("one character long") << Good + u'\r' << QString() << 0;
        QTest::newRow("empty") << QString() << QString() << 0;
        QTest::newRow("non-hex in image")
            << u"sr"_qs + QString(Image).replace(10, 1, u'G') + u"\n\r"_qs << QString() << 0;
        QTest::newRow("non-hex last image character")
            << u"sr"_qs + Image.chopped(1) + u"Z\n\r"_qs << QString() << 0;
        QTest::newRow("sr inside the image is taken out")
            << Image.left(30) + u"sr"_qs + Image.mid(30) + u"\n\r"_qs << Image << 0x15;
        QTest::newRow("second sr pulls the closing pair into the image")
            << u"srsr"_qs + Image.left(62) + u"\n\r"_qs << QString() << 0;
        QTest::newRow("fewer than 64 left")
            << u"srsrsr"_qs + Image.left(60) + u"\n\r"_qs << QString() << 0;
        QTest::newRow("upper-case SR stays and is not hex")
            << u"SR"_qs + Image + u"\n\r"_qs << QString() << 0;
        QTest::newRow("closing pair misplaced")
            << u"sr"_qs + Image.left(32) + u"\n\r"_qs + Image.mid(32) << QString() << 0;
    }

    void reply_isAcceptedOnlyWhenWhole()
    {
        QFETCH(QString, reply);
        QFETCH(QString, image);
        QFETCH(int, romVersion);

        const std::optional<SettingReply> accepted = acceptSettingReply(reply);
        QCOMPARE(accepted.has_value(), !image.isEmpty());
        if (!accepted)
            return;
        QCOMPARE(accepted->image, image);
        QCOMPARE(accepted->romVersion, romVersion);
    }
};

QTEST_GUILESS_MAIN(TestSettingReply)
#include "tst_settingreply.moc"
