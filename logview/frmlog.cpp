#include "frmlog.h"

#include "cursorreadout.h"
#include "logactions.h"
#include "loglayout.h"
#include "logpicture.h"
#include "logspan.h"
#include "numbertext.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace {

const QColor VoltColour(0, 0, 255);
const QColor CurColour(192, 0, 192);

int px(float twips) { return static_cast<int>(std::lround(twips / 15.0f)); }

QRect pxRect(const LogLayout::Rect& r)
{
    return QRect(px(r.left), px(r.top), px(r.width), px(r.height));
}

// Smallest widget extent whose outer size, frame included, is at least twips.
int pxAtLeast(float twips, int frame) { return static_cast<int>(std::ceil(twips / 15.0f)) - frame; }

QString nextCaption(const QLabel* previous, double step)
{
    return NumberText::shortest(
        static_cast<float>(NumberText::leadingNumber(previous->text()) + step));
}

} // namespace

FrmLog::FrmLog(SampleStore& store, std::array<int16_t, 2>& scaleLine, ChartKeyWriter writeChartKey,
    QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool)
    , m_store(store)
    , m_scaleLine(scaleLine)
    , m_writeChartKey(std::move(writeChartKey))
{
    Form_Load(mainWindow);
}

void FrmLog::Form_Load(QWidget* mainWindow)
{
    setWindowTitle(QStringLiteral("Log Data"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The log comes up beside the main window; the keyboard stays where it was.
    setAttribute(Qt::WA_ShowWithoutActivating);
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);
    createControls();
    createAxisLabels();
    for (int i = 0; i < 2; ++i)
        m_chkScaleLine[i]->setChecked(m_scaleLine[i] != 0);
    setMinimumSize(
        pxAtLeast(LogLayout::MinWidth, FrameWidth), pxAtLeast(LogLayout::MinHeight, FrameHeight));
    resize(px(LogLayout::InitialWidth) - FrameWidth, px(LogLayout::InitialHeight) - FrameHeight);
    if (mainWindow) {
        const QRect main = mainWindow->frameGeometry();
        move(main.left() + px(2000), main.top());
    }
}

void FrmLog::createControls()
{
    m_cmdClose = new QPushButton(QStringLiteral("Close"), this);
    m_cmdClose->setObjectName(QStringLiteral("CmdClose"));
    m_cmdClose->setGeometry(pxRect(LogLayout::CmdClose));
    connect(m_cmdClose, &QPushButton::clicked, this, &FrmLog::CmdClose_Click);

    m_picLog = new LogPicture(this);
    m_picLog->setObjectName(QStringLiteral("PicLog"));
    connect(m_picLog, &LogPicture::mouseMoved, this, &FrmLog::PicLog_MouseMove);
    m_span = new LogSpan(m_picLog, m_store);
    connect(m_span, &LogSpan::readoutWanted, this, &FrmLog::PicLog_MouseMove);

    m_frame1 = createLegendFrame(QStringLiteral("Current(A)"), 1, CurColour);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame2 = createLegendFrame(QStringLiteral("Voltage(V)"), 0, VoltColour);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setGeometry(pxRect(LogLayout::Frame2));
    setTabOrder(m_cmdClose, m_chkScaleLine[0]);
    setTabOrder(m_chkScaleLine[0], m_chkScaleLine[1]);

    m_txtLog = new QLabel(this);
    m_txtLog->setObjectName(QStringLiteral("TxtLog"));
    m_txtLog->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_txtLog->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_txtLog->setAutoFillBackground(true);
    QPalette white = m_txtLog->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    m_txtLog->setPalette(white);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(8.25);
    m_txtLog->setFont(fixed);
    // The design box is cut for the original 8.25-point font; grow it where
    // this system's fixed-pitch font needs more room for the widest readout.
    m_txtLog->setText(QStringLiteral("512s\n19.7V\n480A"));
    m_txtLog->resize(pxRect(LogLayout::TxtLog).size().expandedTo(m_txtLog->sizeHint()));
    m_txtLog->clear();
    // The pointer never lands on the box itself, so the graph keeps its moves.
    m_txtLog->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Nothing is under the pointer before it first moves over the graph.
    m_txtLog->hide();
    m_actions = new LogActions(this, m_picLog, *m_span, m_store, { m_cmdClose, m_txtLog });
}

QGroupBox* FrmLog::createLegendFrame(const QString& caption, int index, const QColor& colour)
{
    auto* frame = new QGroupBox(caption, this);
    auto* check = new QCheckBox(QStringLiteral("Scale Line"), frame);
    check->setObjectName(QStringLiteral("ChkScaleLine%1").arg(index));
    check->setGeometry(pxRect(LogLayout::ChkScaleLine));
    connect(check, &QCheckBox::clicked, this, [this, index] { ChkScaleLine_Click(index); });
    m_chkScaleLine[index] = check;

    // The legend is a 2-pixel line; the curve of its axis takes its colour.
    auto* line = new QWidget(frame);
    line->setObjectName(index == 0 ? QStringLiteral("Line1") : QStringLiteral("Line2"));
    line->setGeometry(px(LogLayout::LegendLeft), px(LogLayout::LegendY) - 1,
        px(LogLayout::LegendRight - LogLayout::LegendLeft), 2);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    m_legendLine[index] = line;
    return frame;
}

void FrmLog::createAxisLabels()
{
    auto makeLabel = [this](const QString& name, Qt::Alignment alignment, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setAlignment(alignment | Qt::AlignTop);
        return label;
    };
    for (size_t i = 0; i < m_lblVolt.size(); ++i) {
        const QString text = i == 0
            ? QStringLiteral("0")
            : NumberText::fixed1(NumberText::leadingNumber(m_lblVolt[i - 1]->text()) + 1);
        m_lblVolt[i] = makeLabel(QStringLiteral("LblVolt%1").arg(i), Qt::AlignRight, text);
    }
    for (size_t i = 0; i < m_lblCur.size(); ++i) {
        const QString text = i == 0 ? QStringLiteral("0") : nextCaption(m_lblCur[i - 1], 50);
        m_lblCur[i] = makeLabel(QStringLiteral("LblCur%1").arg(i), Qt::AlignLeft, text);
    }
    for (size_t i = 0; i < m_lblS.size(); ++i) {
        const QString text = i == 0 ? QStringLiteral("0") : nextCaption(m_lblS[i - 1], 60);
        m_lblS[i] = makeLabel(QStringLiteral("LblS%1").arg(i), Qt::AlignHCenter, text);
    }
    m_lblTime = makeLabel(QStringLiteral("LblTime"), Qt::AlignHCenter, QStringLiteral("Time(s)"));
}

void FrmLog::SetGraphFile()
{
    showUp();
    Form_Resize();
}

void FrmLog::showUp()
{
    // A window already on screen keeps its place and size; it only comes up.
    if (isMinimized())
        showNormal();
    else if (!isVisible())
        show();
    else
        raise();
}

void FrmLog::Form_Resize()
{
    // A minimised window cannot take the minimum size; it is laid out again
    // when it comes back.
    if (isMinimized())
        return;
    const float w = static_cast<float>((width() + FrameWidth) * 15);
    const float h = static_cast<float>((height() + FrameHeight) * 15);
    const LogLayout::Result result = LogLayout::layout(w, h);
    if (result.snapTo) {
        // The minimum size hint keeps Qt from going below this; the resize
        // event that follows lays the window out.
        resize(pxAtLeast(result.snapTo->width, FrameWidth),
            pxAtLeast(result.snapTo->height, FrameHeight));
        return;
    }
    const LogLayout::Placement& p = result.placement;
    m_cmdClose->setGeometry(pxRect(p.cmdClose));
    m_frame1->setGeometry(pxRect(p.frame1));
    m_frame2->setGeometry(pxRect(p.frame2));
    m_picLog->setGeometry(pxRect(p.picLog));
    for (size_t i = 0; i < m_lblVolt.size(); ++i)
        m_lblVolt[i]->setGeometry(pxRect(p.lblVolt[i]));
    for (size_t i = 0; i < m_lblCur.size(); ++i)
        m_lblCur[i]->setGeometry(pxRect(p.lblCur[i]));
    for (size_t i = 0; i < m_lblS.size(); ++i)
        m_lblS[i]->setGeometry(pxRect(p.lblS[i]));
    m_lblTime->setGeometry(pxRect(p.lblTime));
    m_picLog->drawBackgroundAndGrid(m_chkScaleLine[0]->isChecked(), m_chkScaleLine[1]->isChecked());
    m_picLog->DrawGraph(m_store, m_legendLine[0]->palette().color(QPalette::Window),
        m_legendLine[1]->palette().color(QPalette::Window));
}

void FrmLog::CmdClose_Click() { close(); }

void FrmLog::setPrompts(Prompts* prompts) { m_actions->setPrompts(prompts); }

void FrmLog::ChkScaleLine_Click(int index)
{
    const int16_t value = m_chkScaleLine[index]->isChecked() ? 1 : 0;
    if (m_writeChartKey)
        m_writeChartKey(QStringLiteral("ScaleLine%1").arg(index), QString::number(value));
    m_scaleLine[index] = value;
    Form_Resize();
}

void FrmLog::PicLog_MouseMove(float x, float y)
{
    const QRect g = m_picLog->geometry();
    const CursorReadout r
        = readCursor(x, y, static_cast<float>(g.x() * 15), static_cast<float>(g.y() * 15),
            static_cast<float>(g.width() * 15), static_cast<float>(g.height() * 15), m_store);
    m_txtLog->move(px(r.left), px(r.top));
    if (!r.visible) {
        m_txtLog->hide();
        return;
    }
    m_txtLog->setText((r.lines + m_span->readoutLines()).join(u'\n'));
    m_span->fitReadout(m_txtLog);
    m_txtLog->show();
    m_txtLog->raise();
}

void FrmLog::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void FrmLog::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        Form_Resize();
}
