#include "mainwindow.h"

#include "appcontext.h"
#include "fontfit.h"
#include "objectnames.h"
#include "parameterboxes.h"
#include "prompts.h"
#include "returnkey.h"
#include "scriptfonts.h"
#include "settingvalues.h"
#include "twips.h"
#include "windowmenus.h"
#include "windowpreload.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace {

// Design sizes in twips. The visible client area ends a little below the
// message line, so that FraTmp (top 6360) is never in view.
constexpr int ClientWidth = 6450;
constexpr int VisibleClientHeight = 5910;
constexpr int LabelHeight = 195;
constexpr int MessageHeight = 315;
constexpr QSize LogoSize(tw(1515), tw(435));
// A control may outgrow its design height by this many pixels to show its
// text whole; beyond that the font gets smaller instead.
constexpr int HeightSlack = 2;

struct CommandInfo {
    const char* caption;
    const char* tooltip;
};

constexpr std::array<CommandInfo, CommandCount> Commands { {
    { QT_TRANSLATE_NOOP("MainWindow", "Read"),
        QT_TRANSLATE_NOOP("MainWindow", "Setting Data Read") },
    { QT_TRANSLATE_NOOP("MainWindow", "Write"),
        QT_TRANSLATE_NOOP("MainWindow", "Setting Data Write") },
    { QT_TRANSLATE_NOOP("MainWindow", "Default Write"),
        QT_TRANSLATE_NOOP("MainWindow", "Default Data Write") },
    { QT_TRANSLATE_NOOP("MainWindow", "Get"), QT_TRANSLATE_NOOP("MainWindow", "Log Data Get") },
    { QT_TRANSLATE_NOOP("MainWindow", "Clear"), QT_TRANSLATE_NOOP("MainWindow", "Log Data Clear") },
} };

QLabel* makeLabel(QWidget* parent, const QString& text, int left, int top, int width,
    Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(tw(left), tw(top), tw(width), tw(LabelHeight));
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

int checkBoxIndent(const QWidget* widget)
{
    const QStyle* style = widget->style();
    return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget)
        + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget);
}

int buttonMargin(const QWidget* widget)
{
    const QStyle* style = widget->style();
    return 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget)
        + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget);
}

}

MainWindow::MainWindow(
    AppContext& context, SettingValues& values, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_prompts(prompts)
    , m_quit([] { QCoreApplication::exit(0); })
{
    // The fonts take milliseconds to load: they load and the logo is drawn on
    // another core while the menus, which measure no text, are built.
    WindowPreload preload(LogoSize, devicePixelRatioF());
    m_client = new QWidget(this);
    m_client->setObjectName(u"client"_qs);
    m_client->setFixedSize(tw(ClientWidth), tw(VisibleClientHeight));
    setCentralWidget(m_client);

    m_menus = std::make_unique<WindowMenus>(*this);
    buildFrames();
    buildIndicators();
    m_hiddenFrame = new QGroupBox(m_client);
    m_hiddenFrame->setObjectName(ObjectName::HiddenFrame);
    m_hiddenFrame->setGeometry(tw(180), tw(6360), tw(6090), tw(2010));
    m_boxes = std::make_unique<ParameterBoxes>(values, m_client, m_hiddenFrame);
    retranslate();
    setTabOrderAsDrawn();
    m_logo->setPixmap(QPixmap::fromImage(preload.logo()));

    // The window keeps its design size; nothing in it follows a resize.
    setFixedSize(sizeHint());
}

MainWindow::~MainWindow() = default;

QString MainWindow::commandTooltip(Command command)
{
    return tr(Commands[size_t(command)].tooltip);
}

void MainWindow::buildFrames()
{
    m_settingFrame = new QGroupBox(m_client);
    m_settingFrame->setObjectName(ObjectName::SettingFrame);
    m_settingFrame->setGeometry(tw(180), tw(120), tw(1875), tw(2355));
    auto* settingPanel = new QWidget(m_settingFrame);
    settingPanel->setGeometry(tw(180), tw(240), tw(1515), tw(1935));

    m_logFrame = new QGroupBox(m_client);
    m_logFrame->setObjectName(ObjectName::LogFrame);
    m_logFrame->setGeometry(tw(180), tw(2700), tw(1875), tw(1635));
    auto* logPanel = new QWidget(m_logFrame);
    logPanel->setGeometry(tw(180), tw(240), tw(1515), tw(1215));

    for (int i = 0; i < CommandCount; ++i) {
        QWidget* panel = i < 3 ? settingPanel : logPanel;
        const int row = i < 3 ? i : i - 3;
        auto* button = new QPushButton(panel);
        button->setObjectName(ObjectName::indexed(ObjectName::CommandButton, i));
        button->setGeometry(0, tw(720 * row), tw(1515), tw(495));
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this,
            [this, i] { emit commandClicked(static_cast<Command>(i)); });
        m_commandButtons[i] = button;
    }
}

void MainWindow::setTabOrderAsDrawn()
{
    QList<QWidget*> chain(m_commandButtons.begin(), m_commandButtons.end());
    chain += m_boxes->tabChain();
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    pressOnReturn({ m_commandButtons.begin(), m_commandButtons.end() });
}

void MainWindow::buildIndicators()
{
    m_logo = new QLabel(m_client);
    m_logo->setObjectName(ObjectName::Logo);
    m_logo->setGeometry(QRect(QPoint(tw(360), tw(4740)), LogoSize));

    m_busyCaption = makeLabel(m_client, QString(), 4740, 4740, 555);
    m_busyCaption->setObjectName(ObjectName::BusyCaption);
    m_lampShape = new QFrame(m_client);
    m_lampShape->setObjectName(ObjectName::BusyLamp);
    m_lampShape->setGeometry(tw(5280), tw(4740), tw(255), tw(135));
    m_lampShape->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_lampShape->setAutoFillBackground(true);
    setLamp(Lamp::Idle);

    m_messageCaption = makeLabel(m_client, QString(), 2340, 5205, 1515);
    m_messageCaption->setObjectName(ObjectName::MessageCaption);
    m_messageLine = new QLineEdit(m_client);
    m_messageLine->setObjectName(ObjectName::MessageLine);
    m_messageLine->setGeometry(tw(2340), tw(5400), tw(3975), tw(MessageHeight));
    m_messageLine->setReadOnly(true);
    m_messageLine->setFocusPolicy(Qt::ClickFocus);

    m_productName = makeLabel(m_client, QString(), 360, 5220, 1515, Qt::AlignHCenter);
    m_productName->setObjectName(ObjectName::ProductName);
    m_versionCaption = makeLabel(m_client, u"Version"_qs, 360, 5400, 1515, Qt::AlignHCenter);
    m_versionCaption->setObjectName(ObjectName::VersionCaption);
}

void MainWindow::retranslate()
{
    m_settingFrame->setTitle(tr("Setting Data"));
    m_logFrame->setTitle(tr("Log Data"));
    for (size_t i = 0; i < Commands.size(); ++i) {
        m_commandButtons[i]->setText(tr(Commands[i].caption));
        m_commandButtons[i]->setToolTip(tr(Commands[i].tooltip));
    }
    m_busyCaption->setText(tr("Busy"));
    m_messageCaption->setText(tr("Message"));
    m_menus->retranslate(m_context.state().title);
    m_boxes->retranslate();
    if (m_message) {
        m_messageLine->setText(m_message());
        m_messageLine->setCursorPosition(0);
    }
    showDemoConnected(m_demoShown);
    chooseFonts();
}

QAction* MainWindow::fileAction(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

void MainWindow::showLanguageChoice(UiLanguage language) { m_menus->showLanguageChoice(language); }

bool MainWindow::captionsFit(const QFont& f) const
{
    const int labelRoom = tw(LabelHeight) + HeightSlack;
    const int margin = buttonMargin(m_commandButtons[0]);
    const QString version = std::max(m_context.state().versionText, u"Version1.00"_qs,
        [](const QString& a, const QString& b) { return a.size() < b.size(); });
    if (!ParameterBoxes::captionsFit(f))
        return false;
    for (const QLabel* label : { m_busyCaption, m_messageCaption })
        if (!textFits(f, label->text(), label->width(), labelRoom))
            return false;
    for (const QString& text : { m_context.state().title, version })
        if (!textFits(f, text, m_versionCaption->width(), labelRoom))
            return false;
    for (const QPushButton* button : m_commandButtons)
        if (!textFits(f, button->text(), button->width(), button->height(), margin))
            return false;
    for (const QGroupBox* frame : { m_settingFrame, m_logFrame })
        if (!textFits(f, frame->title(), frame->width(), frame->height(), 2 * tw(180)))
            return false;
    for (const QCheckBox* box : { m_boxes->modeBox(Mode::ReverseCancel),
             m_boxes->modeBox(Mode::RobotMode), m_boxes->limiterOffBox() })
        if (!textFits(
                f, box->text(), box->width(), box->height() + HeightSlack, checkBoxIndent(box)))
            return false;
    return true;
}

void MainWindow::chooseFonts()
{
    // The layout was drawn for narrow fonts: take the largest size, up to the
    // platform's, at which every caption fits its place. Japanese captions
    // fit at the platform's size, below which they are hard to read.
    const QFont windowFont = ScriptFonts::japanese()
        ? QApplication::font()
        : fittingFont(QApplication::font(), [this](const QFont& f) { return captionsFit(f); });
    setFont(windowFont);

    // The message line keeps its 9.75-point size unless its box cannot hold it.
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;
    const int messageRoom = tw(MessageHeight) + HeightSlack;
    QFont messageFont = windowFont;
    messageFont.setBold(false);
    messageFont.setPointSizeF(9.75);
    messageFont = fittingFont(messageFont,
        [&](const QFont& f) { return QFontMetrics(f).height() + frame <= messageRoom; });
    m_messageLine->setFont(messageFont);
    m_messageLine->resize(m_messageLine->width(),
        qMax(tw(MessageHeight), QFontMetrics(messageFont).height() + frame));
    fixLabelHeights();
}

void MainWindow::fixLabelHeights()
{
    const int needed = QFontMetrics(font()).height();
    for (QLabel* label : { m_busyCaption, m_messageCaption, m_productName, m_versionCaption })
        label->resize(label->width(), qMax(label->height(), needed));
}

void MainWindow::showMessage(const QString& text, MessageTone tone)
{
    showMessage([text] { return text; }, tone);
}

void MainWindow::showMessage(const MessageText& text, MessageTone tone)
{
    m_message = text;
    m_messageTone = tone;
    QPalette palette = m_messageLine->palette();
    palette.setColor(QPalette::Text, tone == MessageTone::Failure ? Qt::red : Qt::black);
    m_messageLine->setPalette(palette);
    m_messageLine->setText(text());
    m_messageLine->setCursorPosition(0);
    m_messageLine->setToolTip(QString());
}

void MainWindow::setLamp(Lamp lamp)
{
    // Idle is the lamp's colour at design time; the blink runs bright and dark green.
    static const std::array<QColor, 3> colours { QColor(0x00, 0x40, 0x40), QColor(0x00, 0xFF, 0x00),
        QColor(0x00, 0x40, 0x00) };
    m_lamp = lamp;
    QPalette palette = m_lampShape->palette();
    palette.setColor(QPalette::Window, colours[size_t(lamp)]);
    palette.setColor(QPalette::WindowText, Qt::black);
    m_lampShape->setPalette(palette);
}

void MainWindow::setCaptions(const QString& productName, const QString& versionText)
{
    m_versionCaption->setText(versionText);
    m_productName->setText(productName);
}

void MainWindow::hideHiddenFrame() { m_hiddenFrame->hide(); }

void MainWindow::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void MainWindow::enableCommands(bool commands, bool write)
{
    for (QPushButton* button : m_commandButtons)
        button->setEnabled(commands);
    commandButton(Command::Write)->setEnabled(write);
}

void MainWindow::showDemoConnected(bool demo)
{
    m_demoShown = demo;
    setWindowTitle(
        demo ? tr("%1 - Demo controller").arg(m_context.state().title) : m_context.state().title);
    m_menus->showDemo(demo);
}

void MainWindow::setOperationRunning(bool running) { m_menus->setOperationRunning(running); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    unload();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    emit closing();
    m_quit();
}
