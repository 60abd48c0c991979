#include "configuration.h"
#include "fakeprompts.h"
#include "fakeserialline.h"
#include "maincontroller.h"
#include "mainwindow.h"
#include "objectnames.h"
#include "portdialog.h"
#include "testprogram.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::Literals::StringLiterals;

namespace {

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
            if (auto* label = qobject_cast<QLabel*>(w))
                add(w, {}, label->text());
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                add(w, {}, button->text());
            else if (auto* frame = qobject_cast<QGroupBox*>(w))
                add(w, {}, frame->title());
            else if (auto* header = qobject_cast<QHeaderView*>(w))
                for (int i = 0; i < header->count(); ++i)
                    add(w, QString::number(i),
                        header->model()->headerData(i, header->orientation()).toString());
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
            if (w->window() != window && !qobject_cast<QMenu*>(w))
                continue; // its own window's
            const QStyle* style = w->style();
            if (auto* menu = qobject_cast<QMenu*>(w)) {
                for (QAction* a : menu->actions())
                    if (a->isVisible() && !a->isSeparator())
                        check(menu, a->text(), menu->actionGeometry(a).width());
            }
            if (!w->isVisibleTo(window))
                continue;
            const int width = w->contentsRect().width();
            if (auto* label = qobject_cast<QLabel*>(w);
                label && !label->wordWrap() && !Qt::mightBeRichText(label->text()))
                check(label, label->text(), width);
            else if (label && label->heightForWidth(label->width()) > label->height())
                cut.append(label->text());
            else if (auto* box = qobject_cast<QCheckBox*>(w))
                check(box, box->text(), width,
                    style->pixelMetric(QStyle::PM_IndicatorWidth)
                        + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
            else if (auto* button = qobject_cast<QPushButton*>(w))
                check(button, button->text(), width, style->pixelMetric(QStyle::PM_ButtonMargin));
            else if (auto* frame = qobject_cast<QGroupBox*>(w))
                check(frame, frame->title(), width);
            else if (auto* header = qobject_cast<QHeaderView*>(w)) {
                for (int i = 0; i < header->count(); ++i)
                    if (!header->isSectionHidden(i))
                        check(header,
                            header->model()->headerData(i, header->orientation()).toString(),
                            header->sectionSize(i),
                            2 * style->pixelMetric(QStyle::PM_HeaderMargin));
            } else if (auto* bar = qobject_cast<QMenuBar*>(w);
                       bar && bar->findChild<QWidget*>(u"qt_menubar_ext_button"_s)->isVisible())
                cut.append(u"menu bar"_s);
        }
    }
    return cut;
}

// Words that read the same in every language: the product, a language named
// in itself, a unit, a command.
bool untranslatable(QString text, const QString& product)
{
    text.remove(product);
    return !text.contains(QRegularExpression(u"[A-Za-z][a-z]{2}"_s))
        || QStringList { u"English"_s, u"Sec"_s, u"tz586kv --help"_s }.contains(text);
}

}

class TstLanguage : public QObject {
    Q_OBJECT
private slots:
    // Every window of the program open at once, the demo's menu too.
    void init()
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
        m_windows = { &window, m_program->controller().logWindow(),
            m_program->controller().historyWindow(), window.findChild<QDialog*>(u"DlgAbout"_s) };
    }
    void cleanup()
    {
        choose(UiLanguage::English);
        m_program.reset();
    }

    // No English left in Japanese, the exact texts back in English, and the
    // choice kept in the configuration.
    void switching_retranslatesEveryOpenWindow()
    {
        const QMap<QString, QString> english = shownTexts(m_windows);
        choose(UiLanguage::Japanese);
        const QMap<QString, QString> japanese = shownTexts(m_windows);
        QStringList left;
        for (const auto& [where, text] : english.asKeyValueRange())
            if (japanese.value(where) == text && !untranslatable(text, m_program->state().title))
                left.append(text);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u" | "_s)));
        QCOMPARE(Configuration(m_program->context().iniPath()).language(), u"ja"_s);
        choose(UiLanguage::English);
        QCOMPARE(shownTexts(m_windows), english);
    }

    void everyText_fitsItsWidget_data()
    {
        QTest::addColumn<UiLanguage>("language");
        QTest::newRow("English") << UiLanguage::English;
        QTest::newRow("Japanese") << UiLanguage::Japanese;
    }
    void everyText_fitsItsWidget()
    {
        QFETCH(UiLanguage, language);
        choose(language);
        // Modal, the port dialog is never open while the language changes.
        auto* ports = new PortDialog(m_program->context(), &m_program->window());
        ports->show();
        const QStringList cut = cutTexts(m_windows << ports);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u" | "_s)));
        QVERIFY(!m_program->window().findChild<QWidget*>(ObjectName::HiddenFrame)->isVisible());
    }

private:
    void choose(UiLanguage language)
    {
        for (QAction* a :
            m_program->window().findChild<QMenu*>(ObjectName::LanguageMenu)->actions())
            if (a->data().toInt() == int(language))
                a->trigger();
        // The texts change, then the layouts of the windows, then their insides.
        for (int round = 0; round < 3; ++round)
            QCoreApplication::sendPostedEvents();
    }

    QTemporaryDir m_dir;
    FakeSerialLine m_line;
    FakePrompts m_prompts;
    std::unique_ptr<WindowProgram> m_program;
    QList<QWidget*> m_windows;
};

QTEST_MAIN(TstLanguage)
#include "tst_language.moc"
