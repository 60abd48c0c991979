#include "outcometext.h"
#include "translations.h"

#include <QCoreApplication>
#include <QTest>

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void resolved_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<UiLanguage>("shown");
        const auto row = [](const char* name, const QString& code, const QStringList& ui,
                             UiLanguage shown) { QTest::newRow(name) << code << ui << shown; };
        row("system ja-JP", u"system"_qs, { u"ja-JP"_qs, u"en-US"_qs }, UiLanguage::Japanese);
        row("system ja_JP.UTF-8", u"system"_qs, { u"ja_JP"_qs }, UiLanguage::Japanese);
        row("system first known wins", u"system"_qs, { u"fr-FR"_qs, u"en-GB"_qs, u"ja"_qs },
            UiLanguage::English);
        row("system unknown", u"system"_qs, { u"de-DE"_qs }, UiLanguage::English);
        row("missing key is system", QString(), { u"ja"_qs }, UiLanguage::Japanese);
        row("en over a Japanese system", u"en"_qs, { u"ja-JP"_qs }, UiLanguage::English);
        row("ja over an English system", u"ja"_qs, { u"en-US"_qs }, UiLanguage::Japanese);
        row("garbage is system", u"klingon"_qs, { u"en-US"_qs }, UiLanguage::English);
    }
    void resolved()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, uiLanguages);
        QFETCH(UiLanguage, shown);
        QCOMPARE(resolvedLanguage(languageFromCode(code), uiLanguages), shown);
    }

    // Qt's own buttons follow: its catalogues load beside the program's. A
    // phrase's source, which JSON takes, stays English.
    void qtTextsFollow_data()
    {
        QTest::addColumn<UiLanguage>("language");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("fault");
        QTest::newRow("ja") << UiLanguage::Japanese << u"キャンセル"_qs << u"RS232 通信エラー。"_qs;
        QTest::newRow("back to en")
            << UiLanguage::English << u"Cancel"_qs << u"RS232 communication fault."_qs;
    }
    void qtTextsFollow()
    {
        QFETCH(UiLanguage, language);
        QFETCH(QString, cancel);
        QCOMPARE(applyLanguage(language), language);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
        const Phrase fault = outcomePhrase(Outcome::CommunicationFault);
        QTEST(fault.text, "fault");
        QCOMPARE(fault.source, u"RS232 communication fault."_qs);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
