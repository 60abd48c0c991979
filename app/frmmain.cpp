#include "frmmain.h"

#include "fontfit.h"
#include "logo.h"
#include "parameterrows.h"
#include "prompts.h"
#include "serialline.h"
#include "testrc.h"
#include "twips.h"

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
// A control may outgrow its design height by this many pixels to show its
// text whole; beyond that the font gets smaller instead.
constexpr int HeightSlack = 2;

struct CommandSpec {
    const char16_t* caption;
    const char16_t* tooltip;
};

constexpr std::array<CommandSpec, FrmMain::CommandCount> Commands { {
    { u"Read", u"Setting Data Read" },
    { u"Write", u"Setting Data Write" },
    { u"Default Write", u"Default Data Write" },
    { u"Get", u"Log Data Get" },
    { u"Clear", u"Log Data Clear" },
} };

QColor fromBgr(uint32_t colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QString text16(const char16_t* text) { return QString::fromUtf16(text); }

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

FrmMain::FrmMain(TestRC& rc, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent)
    , m_rc(rc)
    , m_prompts(prompts)
    , m_quit([] { QCoreApplication::exit(0); })
{
    setWindowTitle(rc.state().AppTitle);
    m_client = new QWidget(this);
    m_client->setObjectName(u"client"_qs);
    m_client->setFixedSize(tw(ClientWidth), tw(VisibleClientHeight));
    setCentralWidget(m_client);

    buildFrames();
    buildIndicators();
    m_fraTmp = new QGroupBox(m_client);
    m_fraTmp->setObjectName(u"FraTmp"_qs);
    m_fraTmp->setGeometry(tw(180), tw(6360), tw(6090), tw(2010));
    m_rows = std::make_unique<ParameterRows>(m_client, m_fraTmp);
    buildMenus();
    chooseFonts();

    connect(&m_rc.line(), &SerialLine::lost, this, &FrmMain::SerialLine_Lost);
    // The window keeps its design size; nothing in it follows a resize.
    setFixedSize(sizeHint());
}

FrmMain::~FrmMain() = default;

void FrmMain::buildFrames()
{
    m_fraSetting = new QGroupBox(u"Setting Data"_qs, m_client);
    m_fraSetting->setObjectName(u"FraSetting"_qs);
    m_fraSetting->setGeometry(tw(180), tw(120), tw(1875), tw(2355));
    auto* settingPanel = new QWidget(m_fraSetting);
    settingPanel->setGeometry(tw(180), tw(240), tw(1515), tw(1935));

    m_fraLog = new QGroupBox(u"Log Data"_qs, m_client);
    m_fraLog->setObjectName(u"FraLog"_qs);
    m_fraLog->setGeometry(tw(180), tw(2700), tw(1875), tw(1635));
    auto* logPanel = new QWidget(m_fraLog);
    logPanel->setGeometry(tw(180), tw(240), tw(1515), tw(1215));

    for (int i = 0; i < CommandCount; ++i) {
        QWidget* panel = i < 3 ? settingPanel : logPanel;
        const int row = i < 3 ? i : i - 3;
        auto* button = new QPushButton(text16(Commands[i].caption), panel);
        button->setObjectName(u"CmdTzCom"_qs + QString::number(i));
        button->setToolTip(text16(Commands[i].tooltip));
        button->setGeometry(0, tw(720 * row), tw(1515), tw(495));
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this, [this, i] { emit CmdTzCom_Click(i); });
        m_cmdTzCom[i] = button;
    }
}

void FrmMain::buildIndicators()
{
    m_imgLogo = new QLabel(m_client);
    m_imgLogo->setObjectName(u"ImgLogo"_qs);
    m_imgLogo->setGeometry(tw(360), tw(4740), tw(1515), tw(435));
    m_imgLogo->setPixmap(drawLogo(m_imgLogo->size(), devicePixelRatioF()));

    m_lblBusy = makeLabel(m_client, u"Busy"_qs, 4740, 4740, 555);
    m_lblBusy->setObjectName(u"LblBusy"_qs);
    m_shpLed = new QFrame(m_client);
    m_shpLed->setObjectName(u"ShpLED"_qs);
    m_shpLed->setGeometry(tw(5280), tw(4740), tw(255), tw(135));
    m_shpLed->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_shpLed->setAutoFillBackground(true);
    setLamp(m_lampColour);

    m_lblMessage = makeLabel(m_client, u"Message"_qs, 2340, 5205, 1515);
    m_lblMessage->setObjectName(u"LblMessage"_qs);
    m_txtMsg = new QLineEdit(m_client);
    m_txtMsg->setObjectName(u"TxtMsg"_qs);
    m_txtMsg->setGeometry(tw(2340), tw(5400), tw(3975), tw(MessageHeight));
    m_txtMsg->setReadOnly(true);
    m_txtMsg->setFocusPolicy(Qt::ClickFocus);

    m_lblProductName = makeLabel(m_client, QString(), 360, 5220, 1515, Qt::AlignHCenter);
    m_lblProductName->setObjectName(u"LblProductName"_qs);
    m_lblVersion = makeLabel(m_client, u"Version"_qs, 360, 5400, 1515, Qt::AlignHCenter);
    m_lblVersion->setObjectName(u"LblVersion"_qs);
}

void FrmMain::buildMenus()
{
    // Object names follow the controls they stand for, so tests find them.
    auto named = [](auto* item, const QString& name) {
        item->setObjectName(name);
        return item;
    };
    m_mnuFile = named(menuBar()->addMenu(u"&File"_qs), u"mnuFile"_qs);
    m_mnuSet = named(m_mnuFile->addMenu(u"&Setting Data "_qs), u"mnuSet"_qs);
    m_mnuOpen = named(m_mnuSet->addAction(u"&Open"_qs), u"mnuOpen"_qs);
    m_mnuSave = named(m_mnuSet->addAction(u"&Save"_qs), u"mnuSave"_qs);
    m_mnuFile->addSeparator();
    m_mnuLog = named(m_mnuFile->addMenu(u"&Log Data"_qs), u"mnuLog"_qs);
    m_munOpenLog = named(m_mnuLog->addAction(u"&Open"_qs), u"munOpenLog"_qs);
    m_mnuSaveLog = named(m_mnuLog->addAction(u"&Save"_qs), u"mnuSaveLog"_qs);
    m_mnuCom = named(menuBar()->addAction(u"&ComPort"_qs), u"mnuCom"_qs);
    m_mnuEnd = named(menuBar()->addAction(u"&Exit"_qs), u"mnuEnd"_qs);

    connect(m_mnuOpen, &QAction::triggered, this, &FrmMain::mnuOpen_Click);
    connect(m_mnuSave, &QAction::triggered, this, &FrmMain::mnuSave_Click);
    connect(m_munOpenLog, &QAction::triggered, this, &FrmMain::munOpenLog_Click);
    connect(m_mnuSaveLog, &QAction::triggered, this, &FrmMain::mnuSaveLog_Click);
    connect(m_mnuCom, &QAction::triggered, this, &FrmMain::mnuCom_Click);
    connect(m_mnuEnd, &QAction::triggered, this, &FrmMain::mnuEnd_Click);
}

bool FrmMain::captionsFit(const QFont& f) const
{
    const int labelRoom = tw(LabelHeight) + HeightSlack;
    const int margin = buttonMargin(m_cmdTzCom[0]);
    const QString version = std::max(m_rc.state().VersionText, u"Version1.00"_qs,
        [](const QString& a, const QString& b) { return a.size() < b.size(); });
    if (!ParameterRows::captionsFit(f))
        return false;
    for (const QLabel* label : { m_lblBusy, m_lblMessage })
        if (!textFits(f, label->text(), label->width(), labelRoom))
            return false;
    for (const QString& text : { m_rc.state().AppTitle, version })
        if (!textFits(f, text, m_lblVersion->width(), labelRoom))
            return false;
    for (const QPushButton* button : m_cmdTzCom)
        if (!textFits(f, button->text(), button->width(), button->height(), margin))
            return false;
    for (const QGroupBox* frame : { m_fraSetting, m_fraLog })
        if (!textFits(f, frame->title(), frame->width(), frame->height(), 2 * tw(180)))
            return false;
    for (const QCheckBox* box : { m_rows->ChkMode(2), m_rows->ChkMode(4), m_rows->ChkCurLimOff() })
        if (!textFits(
                f, box->text(), box->width(), box->height() + HeightSlack, checkBoxIndent(box)))
            return false;
    return true;
}

void FrmMain::chooseFonts()
{
    // The layout was drawn for narrow fonts: take the largest size, up to the
    // platform's, at which every caption fits its place.
    const QFont windowFont
        = fittingFont(QApplication::font(), [this](const QFont& f) { return captionsFit(f); });
    setFont(windowFont);

    // The message line keeps its 9.75-point size unless its box cannot hold it.
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;
    const int messageRoom = tw(MessageHeight) + HeightSlack;
    QFont messageFont = windowFont;
    messageFont.setBold(false);
    messageFont.setPointSizeF(9.75);
    messageFont = fittingFont(messageFont,
        [&](const QFont& f) { return QFontMetrics(f).height() + frame <= messageRoom; });
    m_txtMsg->setFont(messageFont);
    m_txtMsg->resize(
        m_txtMsg->width(), qMax(tw(MessageHeight), QFontMetrics(messageFont).height() + frame));
    fixLabelHeights();
}

void FrmMain::fixLabelHeights()
{
    const int needed = QFontMetrics(font()).height();
    for (QLabel* label : { m_lblBusy, m_lblMessage, m_lblProductName, m_lblVersion })
        label->resize(label->width(), qMax(label->height(), needed));
}

void FrmMain::ShowMessage(const QString& text, uint32_t colour)
{
    m_messageColour = colour;
    QPalette palette = m_txtMsg->palette();
    palette.setColor(QPalette::Text, fromBgr(colour));
    m_txtMsg->setPalette(palette);
    m_txtMsg->setText(text);
    m_txtMsg->setCursorPosition(0);
}

void FrmMain::showBox(const QString& text, BoxIcon icon)
{
    m_prompts.message(
        text, icon == BoxIcon::Warning ? Prompts::Icon::Warning : Prompts::Icon::Information);
}

void FrmMain::setLamp(uint32_t colour)
{
    m_lampColour = colour;
    QPalette palette = m_shpLed->palette();
    palette.setColor(QPalette::Window, fromBgr(colour));
    palette.setColor(QPalette::WindowText, Qt::black);
    m_shpLed->setPalette(palette);
}

void FrmMain::setCaptions(const QString& productName, const QString& versionText)
{
    m_lblVersion->setText(versionText);
    m_lblProductName->setText(productName);
}

void FrmMain::hideFraTmp() { m_fraTmp->hide(); }

void FrmMain::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void FrmMain::MainIni()
{
    UpdateComButtons();
    m_rows->MainIni();
}

bool FrmMain::portOpen() const { return m_rc.line().isOpen(); }

void FrmMain::ClosePort()
{
    if (m_rc.line().isOpen())
        m_rc.line().close();
}

void FrmMain::UpdateComButtons()
{
    const bool open = portOpen();
    for (QPushButton* button : m_cmdTzCom)
        button->setEnabled(open);
    // "Write" waits until there is setting data to write.
    if (open)
        m_cmdTzCom[1]->setEnabled(false);
}

void FrmMain::mnuCom_Click()
{
    ClosePort();
    m_rc.ShowPortDialog();
    if (m_rc.state().PortCancelled)
        ShowMessage(TestRC::PortClosedText, Red);
    else
        m_rc.OpenPort();
    UpdateComButtons();
}

void FrmMain::mnuEnd_Click() { close(); }

void FrmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

void FrmMain::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    ClosePort();
    emit unloading();
    m_quit();
}

void FrmMain::SerialLine_Lost()
{
    ClosePort();
    ShowMessage(TestRC::PortClosedText, Red);
    UpdateComButtons();
}
