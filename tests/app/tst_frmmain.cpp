#include "fakeprompts.h"
#include "fakeserialline.h"
#include "fontfit.h"
#include "frmmain.h"
#include "porttable.h"
#include "startup.h"
#include "testrc.h"

#include <QtTest>
#include <QtWidgets>

class TstFrmMain : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QFile file(m_dir.filePath(u"TZ586KV Link.ini"_qs));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[RS232C]\nCommPort=3\n");
        file.close();
        m_state = AppState();
        m_state.AppPath = m_dir.path();
        m_line.close();
        m_line.openable = { PortDevice(3, nullptr), PortDevice(4, nullptr) };
        m_rc = std::make_unique<TestRC>(m_state, m_line);
        m_frm = std::make_unique<FrmMain>(*m_rc, m_prompts);
        m_frm->setQuit([] {});
        StartUp(*m_rc, *m_frm);
        QVERIFY(QTest::qWaitForWindowExposed(m_frm.get()));
        QVERIFY(m_line.isOpen());
    }
    void cleanup() { m_frm.reset(); }

    void layout_matchesDesignWithoutClippedCaptions()
    {
        const struct {
            const char16_t* name;
            QRect twips;
        } design[] = { { u"FraSetting", { 180, 120, 1875, 2355 } },
            { u"CmdTzCom0", { 360, 360, 1515, 495 } }, { u"CmdTzCom2", { 360, 1800, 1515, 495 } },
            { u"FraLog", { 180, 2700, 1875, 1635 } }, { u"CmdTzCom4", { 360, 3660, 1515, 495 } },
            { u"ImgLogo", { 360, 4740, 1515, 435 } }, { u"ShpLED", { 5280, 4740, 255, 135 } },
            { u"LblMessage", { 2340, 5205, 1515, 195 } }, { u"TxtMsg", { 2340, 5400, 3975, 315 } },
            { u"LblVersion", { 360, 5400, 1515, 195 } }, { u"TxtData0", { 4740, 120, 915, 285 } },
            { u"ChkCurLimOff", { 3960, 1620, 675, 255 } },
            { u"ChkMode4", { 2340, 4560, 2400, 255 } } };
        QWidget* client = m_frm->client();
        for (const auto& [name, twips] : design) {
            const auto* widget = client->findChild<QWidget*>(QString::fromUtf16(name));
            QVERIFY(widget);
            const QRect r(widget->mapTo(client, QPoint()), widget->size());
            const QList<int> off { r.x() - twips.x() / 15, r.y() - twips.y() / 15,
                r.width() - twips.width() / 15, r.height() - twips.height() / 15 };
            QVERIFY2(std::ranges::all_of(off, [](int d) { return qAbs(d) <= 2; }),
                qPrintable(widget->objectName()));
        }
        QStringList clipped;
        const auto check = [&](const QWidget* w, const QString& text, int extra) {
            const QFontMetrics metrics(w->font());
            if (w->isVisibleTo(m_frm.get())
                && (metrics.horizontalAdvance(text) + extra > w->width()
                    || metrics.height() > w->height()))
                clipped.append(text);
        };
        for (const QLabel* label : client->findChildren<QLabel*>())
            check(label, label->text(), 0);
        for (const QPushButton* button : client->findChildren<QPushButton*>())
            check(
                button, button->text(), 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin));
        for (const QCheckBox* box : client->findChildren<QCheckBox*>())
            check(box, box->text(), box->style()->pixelMetric(QStyle::PM_IndicatorWidth));
        for (const QGroupBox* frame : client->findChildren<QGroupBox*>())
            check(frame, frame->title(), 0);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u", ")));
        QVERIFY(!m_frm->FraTmp()->isVisibleTo(m_frm.get()));
    }
    void comPortMenu_opensOrClosesAndSetsButtons()
    {
        for (const bool cancel : { true, false }) {
            QStringList log;
            m_line.log = &log;
            m_rc->setPortDialog([&] {
                QVERIFY(!m_line.isOpen());
                m_state.ComPortNo = 4;
                m_state.PortCancelled = cancel;
            });
            m_frm->mnuCom()->trigger();
            m_line.log = nullptr;
            QCOMPARE(log.size(), cancel ? 0 : 1); // no attempt after Cancel
            QCOMPARE(m_line.isOpen(), !cancel);
            QCOMPARE(m_frm->TxtMsg()->text(),
                cancel ? u"ComPort cannot be opened."_qs : u"CommPort was initialized."_qs);
            const QList<bool> enabled { !cancel, false, !cancel, !cancel, !cancel };
            QCOMPARE(buttonStates(), enabled);
        }
    }

    void lostLine_showsRedLineAndDisablesButtons()
    {
        m_frm->CmdTzCom(1)->setEnabled(true);
        m_line.pull();
        QCOMPARE(m_frm->TxtMsg()->text(), u"ComPort cannot be opened."_qs);
        QCOMPARE(m_frm->TxtMsg()->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(buttonStates(), QList<bool>(5, false));
    }
    void fittingFont_takesTheLargestHalfPointThatFits()
    {
        // base size, largest size that fits, expected choice
        for (const auto& [base, limit, expected] : { std::tuple { 9.0, 9.0, 9.0 },
                 { 10.0, 7.6, 7.5 }, { 9.75, 9.6, 9.5 }, { 9.0, 5.0, 6.0 } }) {
            QFont font;
            font.setPointSizeF(base);
            int probes = 0;
            const QFont chosen = fittingFont(font, [&](const QFont& f) {
                ++probes;
                return f.pointSizeF() <= limit;
            });
            QCOMPARE(chosen.pointSizeF(), expected);
            QVERIFY2(probes <= 4, qPrintable(QString::number(probes))); // each probe loads a font
        }
    }

private:
    QList<bool> buttonStates() const
    {
        QList<bool> states;
        for (int i = 0; i < FrmMain::CommandCount; ++i)
            states.append(m_frm->CmdTzCom(i)->isEnabled());
        return states;
    }

    QTemporaryDir m_dir;
    AppState m_state;
    FakeSerialLine m_line;
    FakePrompts m_prompts;
    std::unique_ptr<TestRC> m_rc;
    std::unique_ptr<FrmMain> m_frm;
};

QTEST_MAIN(TstFrmMain)
#include "tst_frmmain.moc"
