#include "portdialog.h"

#include "controllerquestion.h"
#include "doctor.h"
#include "fontfit.h"
#include "hostprobe.h"
#include "objectnames.h"
#include "portreport.h"
#include "prompts.h"
#include "qtprompts.h"
#include "serialline.h"
#include "twips.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

const QString PortDialog::NotFoundText = QStringLiteral("Not found");
const QString PortDialog::DemoText = QStringLiteral("Demo controller");

namespace {

constexpr int DesignHeight = 1575;
// "Diagnose..." takes a row of its own below the design, so nothing moves.
constexpr int DiagnoseTop = DesignHeight;
constexpr int DialogHeight = DiagnoseTop + 495 + 180;

// The doctor's scan, asking the window's own line whether a device opens. A
// network port is listed unasked: a connection may take seconds.
class LineProbe : public HostProbe {
public:
    explicit LineProbe(SerialLine& line)
        : m_line(line)
    {
    }
    SerialLine::OpenFailure openFailure(const QString& device) const override
    {
        if (PortName::ofDevice(device).kind() == PortName::Kind::Network)
            return SerialLine::OpenFailure::None;
        const bool opened = m_line.open(device);
        const SerialLine::OpenFailure failure
            = opened ? SerialLine::OpenFailure::None : m_line.lastOpenFailure();
        m_line.close();
        return failure;
    }

private:
    SerialLine& m_line;
};

// Room the style takes around a button's caption.
int buttonMargin(const QWidget* widget)
{
    return 2 * widget->style()->pixelMetric(QStyle::PM_ButtonMargin)
        + 2 * widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
}

}

PortDialog::PortDialog(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setWindowTitle(u"ComPort Setting"_qs);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    buildControls();
    listPorts();
}

AppContext::DialogAnswer PortDialog::run()
{
    m_answer = AppContext::DialogAnswer::Closed;
    exec();
    return m_answer;
}

void PortDialog::buildControls()
{
    setFixedSize(tw(3690), tw(DialogHeight));

    m_ok = new QPushButton(u"OK"_qs, this);
    m_ok->setObjectName(ObjectName::PortOk);
    m_ok->setGeometry(tw(180), tw(900), tw(1575), tw(495));
    m_ok->setDefault(true);

    m_combo = new QComboBox(this);
    m_combo->setObjectName(ObjectName::PortList);
    m_combo->setGeometry(tw(2100), tw(300), tw(1395), tw(345));

    m_label = new QLabel(u"ComPort is selected, and TZ is connected."_qs, this);
    m_label->setObjectName(ObjectName::PortPrompt);
    m_label->setGeometry(tw(180), tw(240), tw(1875), tw(495));
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_cancel = new QPushButton(u"Cancel"_qs, this);
    m_cancel->setObjectName(ObjectName::PortCancel);
    m_cancel->setGeometry(tw(2640), tw(900), tw(855), tw(495));

    m_diagnose = new QPushButton(u"Diagnose..."_qs, this);
    m_diagnose->setObjectName(ObjectName::PortDiagnose);
    m_diagnose->setGeometry(tw(180), tw(DiagnoseTop), tw(1575), tw(495));

    m_refused = new QLabel(this);
    m_refused->setObjectName(ObjectName::PortRefused);
    m_refused->setWordWrap(true);
    m_refused->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_refused->hide();

    setTabOrder(m_ok, m_combo);
    setTabOrder(m_combo, m_cancel);
    setTabOrder(m_cancel, m_diagnose);

    const int margin = buttonMargin(m_cancel);
    setFont(fittingFont(font(), [&](const QFont& f) {
        return textFits(f, m_label->text(), m_label->width(), m_label->height(), 0, true)
            && textFits(f, m_cancel->text(), m_cancel->width(), m_cancel->height(), margin)
            && textFits(f, m_diagnose->text(), m_diagnose->width(), m_diagnose->height(), margin)
            && textFits(f, PortName::numberLabel(PortName::LastListed), m_combo->width(),
                m_combo->height(), tw(400));
    }));

    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_answer = AppContext::DialogAnswer::Ok;
        accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &PortDialog::cancel);
    connect(m_combo, &QComboBox::activated, this, &PortDialog::pick);
    connect(m_diagnose, &QPushButton::clicked, this, &PortDialog::diagnose);
}

void PortDialog::listPorts()
{
    const int16_t current = m_context.state().portNumber;
    const PortOverrides overrides = m_context.portOverrides();
    int selected = -1;
    QStringList denied;
    QStringList inUse;
    QList<int> network; // listed after the demo
    const QList<PortReport::Entry> report = PortReport::build(
        LineProbe(m_context.line()),
        [&](int p) { return PortName::ofNumber(p, overrides).device(); }, false);
    for (const PortReport::Entry& e : report) {
        const QString entry = PortName::numberLabel(e.portNo);
        const QString named = QStringLiteral("%1 (%2)").arg(entry, e.device);
        if (PortName::ofDevice(e.device).kind() == PortName::Kind::Network) {
            network.append(e.portNo);
        } else if (e.state == PortReport::State::Opens) {
            addEntry(entry, e.adapter.isEmpty() ? e.device : u"%1 (%2)"_qs.arg(e.device, e.adapter),
                e.portNo);
            if (current == e.portNo && !m_context.state().demoPort)
                selected = m_combo->count() - 1;
        } else if (e.state == PortReport::State::PermissionDenied) {
            denied.append(named);
        } else if (e.state == PortReport::State::InUse) {
            inUse.append(named);
        }
    }
    showRefused(denied, inUse);
    if (m_combo->count() == 0) {
        m_combo->addItem(NotFoundText);
        selected = m_context.state().demoPort ? -1 : 0;
    }
    addEntry(DemoText, u"A controller inside the program, for trying it without one"_qs);
    if (m_context.state().demoPort)
        selected = m_combo->count() - 1;
    for (int p : network) {
        addEntry(PortName::numberLabel(p), PortName::ofNumber(p, overrides).device(), p);
        if (current == p && !m_context.state().demoPort)
            selected = m_combo->count() - 1;
    }
    m_combo->setCurrentIndex(selected);
    fitListWidth();
    // Selecting an entry counts as picking it, as a click would.
    if (selected >= 0)
        pick(selected);
}

void PortDialog::showRefused(const QStringList& denied, const QStringList& inUse)
{
    QStringList lines;
    if (!denied.isEmpty())
        lines.append(denied.join(u", "_qs)
            + u": permission denied. Add yourself to the dialout group (uucp on some "
              u"systems) and log in again."_qs);
    if (!inUse.isEmpty())
        lines.append(inUse.join(u", "_qs) + u": in use by another program."_qs);
    if (lines.isEmpty())
        return;
    m_refused->setText(lines.join(u'\n'));
    // Below the buttons, across the dialog; the dialog grows to hold it.
    const int left = m_ok->x();
    const int top = tw(DialogHeight);
    const int width = tw(3690) - 2 * left;
    const int height = m_refused->heightForWidth(width);
    m_refused->setGeometry(left, top, width, height);
    m_refused->show();
    setFixedSize(tw(3690), top + height + tw(180));
}

void PortDialog::fitListWidth()
{
    // "Demo controller" is wider than the list was drawn for: the list, and
    // the dialog with it, grow to the right; Cancel keeps to the right edge.
    const int extra = m_combo->sizeHint().width() - m_combo->width();
    if (extra <= 0)
        return;
    m_combo->resize(m_combo->width() + extra, m_combo->height());
    m_cancel->move(m_cancel->x() + extra, m_cancel->y());
    setFixedSize(width() + extra, height());
}

void PortDialog::addEntry(const QString& text, const QString& tooltip, int number)
{
    m_combo->addItem(text, number);
    m_combo->setItemData(m_combo->count() - 1, tooltip, Qt::ToolTipRole);
}

void PortDialog::pick(int index)
{
    if (m_combo->itemText(index) == DemoText) {
        m_context.chooseDemo();
        return;
    }
    if (const int number = m_combo->itemData(index).toInt(); number > 0)
        m_context.setPortNumber(int16_t(number));
}

void PortDialog::cancel()
{
    m_answer = AppContext::DialogAnswer::Cancel;
    reject();
}

void PortDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        cancel();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PortDialog::diagnose()
{
    const PortName port = m_context.currentPort();
    // The window's line is closed while the dialog is up: the question borrows it.
    ControllerQuestion question(m_context.line());
    const QList<QWidget*> controls { m_ok, m_cancel, m_diagnose, m_combo };
    for (QWidget* control : controls)
        control->setEnabled(false);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_question = &question;
    const QList<Doctor::Finding> findings = Doctor::diagnose(
        HostProbe(), port, [&question](const QString& device) { return question.ask(device); });
    m_question = nullptr;
    QGuiApplication::restoreOverrideCursor();
    for (QWidget* control : controls)
        control->setEnabled(true);
    // Closed while it waited: nobody is there to read the findings.
    if (question.stopped())
        return;
    QStringList lines;
    for (const Doctor::Finding& f : findings)
        lines.append(f.line.text + u"\nFix: "_qs + f.fix.text);
    if (lines.isEmpty())
        lines.append(u"No problems found with %1; the controller answers."_qs.arg(port.label()));
    const QString text = lines.join(u"\n\n"_qs);
    if (Prompts* prompts = m_context.prompts()) {
        prompts->copyableMessage(text);
        return;
    }
    QtPrompts(m_context.state().title, this).copyableMessage(text);
}

void PortDialog::reject()
{
    if (m_question)
        m_question->stop();
    QDialog::reject();
}
