#include "logwindow.h"

#include "batteryfigures.h"
#include "cursorreadout.h"
#include "logactions.h"
#include "logfile.h"
#include "loglayout.h"
#include "logpicture.h"
#include "logspan.h"
#include "objectnames.h"
#include "pixelrect.h"
#include "placement.h"
#include "prompts.h"
#include "returnkey.h"
#include "scriptfonts.h"
#include "twips.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <cmath>

namespace {

const QColor VoltColour(0, 0, 255);
const QColor CurColour(192, 0, 192);

// Smallest widget extent whose outer size, frame included, is at least twips.
int pxAtLeast(float twips, int frame)
{
    return static_cast<int>(std::ceil(twips / float(TwipsPerPixel))) - frame;
}

} // namespace

LogWindow::LogWindow(SampleStore& store, std::array<int16_t, 2>& scaleLine,
    ScaleLineKeeper keepScaleLine, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool)
    , m_store(store)
    , m_scaleLine(scaleLine)
    , m_keepScaleLine(std::move(keepScaleLine))
{
    placeBeside(mainWindow);
}

void LogWindow::placeBeside(QWidget* mainWindow)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The log comes up beside the main window; the keyboard stays where it was.
    setAttribute(Qt::WA_ShowWithoutActivating);
    createControls();
    m_scales.emplace(this);
    retranslate();
    for (int i = 0; i < 2; ++i)
        m_scaleLineBoxes[i]->setChecked(m_scaleLine[i] != 0);
    setMinimumSize(
        pxAtLeast(LogLayout::MinWidth, FrameWidth), pxAtLeast(LogLayout::MinHeight, FrameHeight));
    resize(tw(LogLayout::InitialWidth) - FrameWidth, tw(LogLayout::InitialHeight) - FrameHeight);
    if (mainWindow) {
        // Its place beside the main window, moved onto that window's screen
        // where it would stick out.
        const QRect main = mainWindow->frameGeometry();
        const QRect outer(
            main.left() + tw(2000), main.top(), width() + FrameWidth, height() + FrameHeight);
        move(Placement::keptOnScreen(outer, mainWindow->screen()->availableGeometry()).topLeft());
    }
}

void LogWindow::createControls()
{
    m_closeButton = new QPushButton(this);
    m_closeButton->setObjectName(ObjectName::LogClose);
    m_closeButton->setGeometry(pixelRect(LogLayout::CmdClose));
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    pressOnReturn({ m_closeButton });

    m_graph = new LogPicture(this);
    m_graph->setObjectName(ObjectName::LogGraph);
    connect(m_graph, &LogPicture::mouseMoved, this, &LogWindow::showReadout);
    m_span = new LogSpan(m_graph, m_store);
    connect(m_span, &LogSpan::readoutWanted, this, &LogWindow::showReadout);
    connect(m_graph, &LogPicture::viewChanged, this, [this] {
        m_scales->showTimes(m_graph->view());
        relayout();
        m_span->refresh();
    });
    m_battery = new BatteryControls(this, m_store, m_scene);
    connect(m_battery, &BatteryControls::changed, this, [this] {
        relayout();
        m_span->refresh();
    });

    m_currentLegend = createLegendFrame(1, CurColour);
    m_currentLegend->setObjectName(ObjectName::CurrentLegend);
    m_voltLegend = createLegendFrame(0, VoltColour);
    m_voltLegend->setObjectName(ObjectName::VoltLegend);
    m_voltLegend->setGeometry(pixelRect(LogLayout::Frame2));
    setTabOrder(m_closeButton, m_scaleLineBoxes[0]);
    setTabOrder(m_scaleLineBoxes[0], m_scaleLineBoxes[1]);

    m_readout = new QLabel(this);
    m_readout->setObjectName(ObjectName::Readout);
    m_readout->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_readout->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_readout->setAutoFillBackground(true);
    QPalette white = m_readout->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    m_readout->setPalette(white);
    // The pointer never lands on the box itself, so the graph keeps its moves.
    m_readout->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Nothing is under the pointer before it first moves over the graph.
    m_readout->hide();
    m_actions = new LogActions(this, m_graph, *m_span, m_store, m_scene,
        { m_closeButton, m_readout, m_battery->chemistryBox(), m_battery->cellsBox() }, [this] {
            relayout();
            m_span->refresh();
        });
}

void LogWindow::retranslate()
{
    setWindowTitle(tr("Log Data"));
    QFont small = QApplication::font(this);
    small.setPointSizeF(ScriptFonts::atLeastWindow(8.25));
    setFont(small);
    m_closeButton->setText(tr("Close"));
    m_currentLegend->setTitle(tr("Current(A)"));
    m_voltLegend->setTitle(tr("Voltage(V)"));
    for (QCheckBox* box : m_scaleLineBoxes) {
        box->setText(tr("Scale Line"));
        // Fonts differ between systems: the box is as wide as its text needs.
        box->resize(qMax(pixelRect(LogLayout::ChkScaleLine).width(), box->sizeHint().width()),
            box->height());
    }
    m_scales->caption()->setText(tr("Time(s)"));
    m_actions->retranslate();
    m_battery->retranslate();

    // The readout box is cut for an 8.25-point font; grow it where
    // this system's fixed-pitch font needs more room for the widest readout.
    const QString shown = m_readout->text();
    m_readout->setFont(ScriptFonts::fixed(8.25));
    m_readout->setText(QStringLiteral("512s\n19.7V\n480A"));
    m_readoutSize = pixelRect(LogLayout::TxtLog).size().expandedTo(m_readout->sizeHint());
    m_readout->resize(m_readoutSize);
    m_readout->setText(shown);
}

QGroupBox* LogWindow::createLegendFrame(int index, const QColor& colour)
{
    auto* frame = new QGroupBox(this);
    auto* check = new QCheckBox(frame);
    check->setObjectName(ObjectName::indexed(ObjectName::ScaleLineBox, index));
    check->setGeometry(pixelRect(LogLayout::ChkScaleLine));
    connect(check, &QCheckBox::clicked, this, [this, index] { toggleScaleLine(index); });
    m_scaleLineBoxes[index] = check;

    // The legend is a 2-pixel line; the curve of its axis takes its colour.
    auto* line = new QWidget(frame);
    line->setObjectName(index == 0 ? ObjectName::VoltLegendLine : ObjectName::CurrentLegendLine);
    line->setGeometry(tw(LogLayout::LegendLeft), tw(LogLayout::LegendY) - 1,
        tw(LogLayout::LegendRight - LogLayout::LegendLeft), 2);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    m_legendLines[index] = line;
    return frame;
}

void LogWindow::showStore(const LogSource& source)
{
    // What the readout showed belongs to the log that was there before.
    m_readout->hide();
    m_scene.source = source;
    m_scene.markers.clear();
    if (!source.path.isEmpty())
        LogMarkers::load(source.path, m_scene.markers);
    m_scene.resistance = BatteryResistance::estimate(m_store);
    m_actions->showScene();
    showUp();
    m_battery->newLog();
    m_battery->countCells(true);
    relayout();
}

void LogWindow::logSaved(const QString& path)
{
    m_scene.source.path = path;
    m_actions->keepMarkers();
}

bool LogWindow::compareWith(const QString& path, const QString& name)
{
    LogOverlay overlay;
    QString problem;
    if (LogFile::load(path, overlay.store, &problem) != LogFile::LoadStatus::Loaded) {
        if (m_prompts)
            m_prompts->messageWithDetail(tr("Trouble is found in data."), Prompts::Icon::Error,
                QDir::toNativeSeparators(path) + u'\n' + problem);
        return false;
    }
    overlay.name = name;
    m_scene.overlay = std::move(overlay);
    m_battery->countCells(false);
    m_actions->showScene();
    showUp();
    relayout();
    return true;
}

void LogWindow::setChemistry(
    std::optional<Chemistry> chemistry, BatteryControls::ChemistryKeeper keep)
{
    m_battery->setChemistry(chemistry, std::move(keep));
    m_battery->countCells(false);
    relayout();
}

void LogWindow::showUp()
{
    // A window already on screen keeps its place and size; it only comes up.
    if (isMinimized())
        showNormal();
    else if (!isVisible())
        show();
    else
        raise();
}

void LogWindow::relayout()
{
    // A minimised window cannot take the minimum size; it is laid out again
    // when it comes back.
    if (isMinimized())
        return;
    const float w = pixelsToTwips(width() + FrameWidth);
    const float h = pixelsToTwips(height() + FrameHeight);
    const LogLayout::Result result = LogLayout::layout(w, h);
    if (result.snapTo) {
        // The minimum size hint keeps Qt from going below this; the resize
        // event that follows lays the window out.
        resize(pxAtLeast(result.snapTo->width, FrameWidth),
            pxAtLeast(result.snapTo->height, FrameHeight));
        return;
    }
    const LogLayout::Placement& p = result.placement;
    m_closeButton->setGeometry(pixelRect(p.cmdClose));
    m_currentLegend->setGeometry(pixelRect(p.frame1));
    m_voltLegend->setGeometry(pixelRect(p.frame2));
    m_graph->setGeometry(pixelRect(p.picLog));
    const double top = LogScales::voltTop(m_store, m_scene);
    m_graph->setVoltTop(top);
    m_scales->place(p, top);
    m_battery->chemistryBox()->setGeometry(pixelRect(p.chemistry));
    m_battery->cellsBox()->setGeometry(pixelRect(p.cells));
    m_graph->drawBackgroundAndGrid(
        m_scaleLineBoxes[0]->isChecked(), m_scaleLineBoxes[1]->isChecked());
    m_graph->drawUnder(m_scene);
    m_graph->DrawGraph(m_store, m_legendLines[0]->palette().color(QPalette::Window),
        m_legendLines[1]->palette().color(QPalette::Window));
    m_graph->drawOver(m_store, m_scene);
    m_actions->showScene();
}

void LogWindow::setPrompts(Prompts* prompts)
{
    m_prompts = prompts;
    m_actions->setPrompts(prompts);
    m_battery->setPrompts(prompts);
}

void LogWindow::toggleScaleLine(int index)
{
    const int16_t value = m_scaleLineBoxes[index]->isChecked() ? 1 : 0;
    if (m_keepScaleLine)
        m_keepScaleLine(index, value != 0);
    m_scaleLine[index] = value;
    relayout();
}

void LogWindow::showReadout(float x, float y)
{
    const QRect g = m_graph->geometry();
    const CursorReadout r = readCursor(x, y, pixelsToTwips(g.x()), pixelsToTwips(g.y()),
        pixelsToTwips(g.width()), pixelsToTwips(g.height()), m_store, m_graph->view());
    m_readout->move(tw(r.left), tw(r.top));
    if (!r.visible) {
        m_readout->hide();
        return;
    }
    QStringList lines = r.lines + BatteryFigures::cursorLines(m_store, m_scene, r.t);
    if (m_span->marked())
        lines += BatteryFigures::spanLines(m_store, m_scene.cells, m_span->first(), m_span->last());
    m_readout->setText(lines.join(u'\n'));
    const QSize box = m_readoutSize.expandedTo(m_readout->sizeHint());
    // The box stays on the graph, clear of the Close button and the legends.
    const int gap = tw(300);
    const QPoint pointer = m_readout->pos() - QPoint(gap, gap);
    const QRect area = m_graph->contentsRect().translated(g.topLeft());
    m_readout->setGeometry(readoutPlace(box, pointer, gap, area));
    m_readout->show();
    m_readout->raise();
}

void LogWindow::setOperationRunning(bool running)
{
    for (QAction* action : m_graph->actions())
        action->setEnabled(!running);
    m_battery->setOperationRunning(running);
}

void LogWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void LogWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void LogWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        relayout();
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The legends drawn into the graph speak the new language too.
        relayout();
    }
}
