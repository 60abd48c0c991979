#include "configuration.h"
#include "fakeprompts.h"
#include "fakeserialline.h"
#include "maincontroller.h"
#include "mainwindow.h"
#include "objectnames.h"
#include "portdialog.h"
#include "testmain.h"
#include "testprogram.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::Literals::StringLiterals;

namespace {

// A label's, a button's or a frame's text; a value box holds no words.
QString ownText(const QWidget* w)
{
    if (auto* frame = qobject_cast<const QGroupBox*>(w))
        return frame->title();
    return qobject_cast<const QLineEdit*>(w) ? QString() : w->property("text").toString();
}

QString headerText(const QHeaderView* header, int i)
{
    return header->model()->headerData(i, header->orientation()).toString();
}

// Every text a widget shows, by widget and place, so that two languages compare.
QMap<QString, QString> shownTexts(const QList<QWidget*>& windows)
{
    QMap<QString, QString> texts;
    auto add = [&](const QObject* o, const QString& place, const QString& text) {
        if (!text.isEmpty())
            texts.insert(QString::number(quintptr(o), 16) + place, text);
    };
    for (QWidget* window : windows) {
        const QList<QWidget*> widgets = window->findChildren<QWidget*>() << window;
        for (QWidget* w : widgets) {
            add(w, u"title"_s, w->isWindow() ? w->windowTitle() : QString());
            add(w, u"tip"_s, w->toolTip());
            add(w, {}, ownText(w));
            if (auto* header = qobject_cast<QHeaderView*>(w))
                for (int i = 0; i < header->count(); ++i)
                    add(w, QString::number(i), headerText(header, i));
            for (const QAction* action : w->actions())
                add(action, {}, action->text());
        }
    }
    return texts;
}

// Texts wider or taller than the room their widget gives them.
QStringList cutTexts(const QList<QWidget*>& windows)
{
    QStringList cut;
    auto check = [&](const QWidget* w, const QString& text, int room, int extra = 0) {
        const QFontMetrics metrics(w->font());
        if (metrics.horizontalAdvance(QString(text).remove(u'&')) + extra > room
            || metrics.height() > w->contentsRect().height())
            cut.append(text);
    };
    for (QWidget* window : windows) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const QStyle* style = w->style();
            if (auto* menu = qobject_cast<QMenu*>(w))
                for (QAction* a : menu->actions())
                    if (a->isVisible() && !a->isSeparator())
                        check(menu, a->text(), menu->actionGeometry(a).width());
            if (w->window() != window || !w->isVisibleTo(window))
                continue;
            auto* label = qobject_cast<QLabel*>(w);
            if (label && label->wordWrap()
                && label->heightForWidth(label->width()) > label->height())
                cut.append(label->text());
            else if (!ownText(w).isEmpty()
                && !(label && (label->wordWrap() || Qt::mightBeRichText(label->text()))))
                check(w, ownText(w), w->contentsRect().width(),
                    qobject_cast<QCheckBox*>(w) ? style->pixelMetric(QStyle::PM_IndicatorWidth)
                            + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                        : qobject_cast<QPushButton*>(w)
                        ? style->pixelMetric(QStyle::PM_ButtonMargin)
                        : 0);
            if (auto* header = qobject_cast<QHeaderView*>(w))
                for (int i = 0; i < header->count(); ++i)
                    if (!header->isSectionHidden(i))
                        check(header, headerText(header, i), header->sectionSize(i),
                            2 * style->pixelMetric(QStyle::PM_HeaderMargin));
            if (qobject_cast<QMenuBar*>(w)
                && w->findChild<QWidget*>(u"qt_menubar_ext_button"_s)->isVisible())
                cut.append(u"menu bar"_s);
        }
    }
    return cut;
}

}

class TstLanguage : public QObject {
    Q_OBJECT
private slots:
    // With every window of the program open (the demo's menu too): no English
    // left in Japanese, the exact texts back in English, the choice kept, and
    // every text fits its widget in both.
    void switching_retranslatesEveryOpenWindowAndTheTextsFit()
    {
        m_line.openable = { PortName::ofNumber(3).device() };
        m_program = startProgram(m_dir.path(), "[RS232C]\nCommPort=3\n",
            { .prompts = &m_prompts, .line = &m_line, .quit = [] {} });
        QVERIFY(m_program);
        MainWindow& window = m_program->window();
        window.showDemoConnected(true);
        m_program->controller().showLog();
        m_program->controller().showHistory();
        window.menuBar()->actions().last()->menu()->actions().first()->trigger();
        const QList<QWidget*> windows { &window, m_program->controller().logWindow(),
            m_program->controller().historyWindow(), window.findChild<QDialog*>(u"DlgAbout"_s) };
        const QMap<QString, QString> english = shownTexts(windows);
        QCOMPARE(cutTextsWithPortDialog(windows).join(u" | "_s), QString());

        choose(UiLanguage::Japanese);
        const QMap<QString, QString> japanese = shownTexts(windows);
        // Words that read the same in every language: the product, a language
        // named in itself, a unit, a command.
        const QString product = m_program->state().title;
        const QStringList same { u"English"_s, u"Sec"_s, u"tz586kv --help"_s };
        QStringList left;
        for (const auto& [where, text] : english.asKeyValueRange())
            if (japanese.value(where) == text && !same.contains(text)
                && QString(text).remove(product).contains(
                    QRegularExpression(u"[A-Za-z][a-z]{2}"_s)))
                left.append(text);
        QCOMPARE(left.join(u" | "_s), QString());
        QCOMPARE(cutTextsWithPortDialog(windows).join(u" | "_s), QString());
        QCOMPARE(Configuration(m_program->context().iniPath()).language(), u"ja"_s);
        QCOMPARE(window.messageLine()->text(), u"COMポートを初期化しました。"_s);

        choose(UiLanguage::English);
        QCOMPARE(shownTexts(windows), english);
        QCOMPARE(window.messageLine()->text(), u"CommPort was initialized."_s);
    }

private:
    void choose(UiLanguage language)
    {
        // The Language menu lists the languages in their order.
        m_program->window()
            .findChild<QMenu*>(ObjectName::LanguageMenu)
            ->actions()[int(language)]
            ->trigger();
        // The texts change, then the layouts of the windows, then their insides.
        for (int round = 0; round < 3; ++round)
            QCoreApplication::sendPostedEvents();
    }
    // Modal, the port dialog is never open while the language changes: one
    // opens for the check alone.
    QStringList cutTextsWithPortDialog(const QList<QWidget*>& windows)
    {
        PortDialog ports(m_program->context(), &m_program->window());
        ports.show();
        return cutTexts(QList<QWidget*>(windows) << &ports);
    }

    QTemporaryDir m_dir;
    FakeSerialLine m_line;
    FakePrompts m_prompts;
    std::unique_ptr<WindowProgram> m_program;
};

TZ_TEST_MAIN(TstLanguage)
#include "tst_language.moc"
