#include "parameterboxes.h"

#include "changeengine.h"
#include "objectnames.h"
#include "settingvalues.h"
#include "twips.h"
#include "updown.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QStyle>
#include <QWheelEvent>

using namespace Qt::Literals::StringLiterals;

namespace {

// Columns of the shown rows and of the rows inside the hidden frame, in twips.
constexpr int CaptionLeft = 2340;
constexpr int BoxLeft = 4740;
constexpr int OffLeft = 3960;
constexpr int HiddenCaptionLeft = 120;
constexpr int HiddenBoxLeft = 2520;
constexpr int FirstTop = 120;
constexpr int RowStep = 360;
constexpr int HiddenFirstTop = 240;
constexpr int SpinOffset = 900; // box left to spin left
constexpr int UnitOffset = 1260; // box left to unit left
constexpr int LabelHeight = 285;
constexpr int CheckHeight = 255;
constexpr int OffWidth = 675;
// The shown mode boxes reach to the box column so that no font clips them.
constexpr int ModeWidth = BoxLeft - CaptionLeft;
constexpr int Limit = indexOf(Parameter::CurrentLimit);
constexpr std::array<Parameter, 3> HiddenRows { Parameter::Neutral, Parameter::HighPointForward,
    Parameter::HighPointBrake };

bool isHidden(int i) { return i >= 2 && i <= 4; }

int boxHeight(int i) { return (i >= 3 && i <= 5) || i == Limit ? 300 : 285; }

QRect pixels(QRect twips)
{
    return { tw(twips.x()), tw(twips.y()), tw(twips.width()), tw(twips.height()) };
}

template <typename Widget> Widget* make(QWidget* parent, const QString& name, QRect twips)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    widget->setGeometry(pixels(twips));
    return widget;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect twips)
{
    auto* label = make<QLabel>(parent, name, twips);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QCheckBox* makeCheck(QWidget* parent, const QString& name, const QString& text, QRect twips)
{
    auto* box = make<QCheckBox>(parent, name, twips);
    box->setText(text);
    return box;
}

int captionRoom(int i)
{
    if (i == Limit)
        return tw(OffLeft - CaptionLeft);
    return isHidden(i) ? tw(HiddenBoxLeft - HiddenCaptionLeft) : tw(BoxLeft - CaptionLeft);
}

void setChecked(QCheckBox* box, bool checked)
{
    if (box->isChecked() != checked)
        box->setChecked(checked);
}

// Only size and weight are fixed; the family follows the window.
QFont valueFont(bool underline)
{
    QFont font;
    font.setPointSize(12);
    font.setBold(true);
    font.setUnderline(underline);
    return font;
}

QString heldLine(const QString& held)
{
    return held.isEmpty() ? QString() : ParameterBoxes::tr("controller holds %1").arg(held);
}

// A value that differs from the controller's is underlined; colours and sizes stay.
void markCheck(QCheckBox* box, const QString& held)
{
    if (box->font().underline() != !held.isEmpty()) {
        QFont font; // everything else still comes from the window
        if (!held.isEmpty())
            font.setUnderline(true);
        box->setFont(font);
    }
    box->setToolTip(heldLine(held));
}

}

ParameterBoxes::ParameterBoxes(SettingValues& values, QWidget* visibleParent, QWidget* hiddenFrame)
    : QObject(visibleParent)
    , m_values(values)
{
    for (size_t row = 0; row < VisibleRows.size(); ++row) {
        const int top = FirstTop + int(row) * RowStep;
        buildRow(visibleParent, VisibleRows[row], { CaptionLeft, BoxLeft, top });
    }
    for (size_t row = 0; row < HiddenRows.size(); ++row) {
        const int top = HiddenFirstTop + int(row) * RowStep;
        buildRow(hiddenFrame, HiddenRows[row], { HiddenCaptionLeft, HiddenBoxLeft, top });
    }
    buildHiddenFields(hiddenFrame);

    const int offTop = FirstTop + 4 * RowStep + 60;
    m_limiterOff = makeCheck(visibleParent, ObjectName::LimiterOffBox, QString(),
        { OffLeft, offTop, OffWidth, CheckHeight });
    connect(m_limiterOff, &QCheckBox::toggled, this, [this](bool checked) {
        if (!m_updating)
            m_values.setLimiterOff(checked);
    });
    buildModeBoxes(visibleParent, hiddenFrame);
    connect(&m_values, &SettingValues::changed, this, &ParameterBoxes::update);
    retranslate();
}

void ParameterBoxes::retranslate()
{
    for (int i = 0; i < ParameterCount; ++i)
        m_captions[size_t(i)]->setText(captionText(parameterAt(i)));
    m_limiterOff->setText(tr("Off"));
    for (int bit = 0; bit < ModeCount; ++bit)
        m_modeBoxes[size_t(bit)]->setText(modeCaptionText(modeAt(bit)));
    m_modelCaption->setText(tr("TZ Type"));
    m_romVersionCaption->setText(tr("ROM Version"));
    // The range tooltips.
    update();
}

void ParameterBoxes::buildRow(QWidget* parent, Parameter p, const Place& place)
{
    const int i = indexOf(p);
    const ParameterInfo& row = info(p);
    const int captionRight = i == Limit ? OffLeft : place.boxLeft;
    m_captions[size_t(i)]
        = makeLabel(parent, ObjectName::indexed(ObjectName::ValueCaption, i), QString(),
            { place.captionLeft, place.top + 60, captionRight - place.captionLeft, LabelHeight });

    auto* box = make<QLineEdit>(parent, ObjectName::indexed(ObjectName::ValueBox, i),
        { place.boxLeft, place.top, 915, boxHeight(i) });
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFont(valueFont(false));
    box->setTextMargins(0, 0, 0, 0);
    m_valueBoxes[size_t(i)] = box;
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, [this, i] { onTextEdited(i); });

    auto* spin = make<UpDown>(parent, ObjectName::indexed(ObjectName::SpinButton, i),
        { place.boxLeft + SpinOffset, place.top, 255, 285 });
    spin->setMinimum(row.spinMin);
    spin->setMaximum(row.spinMax);
    spin->setIncrement(row.increment);
    m_spinButtons[size_t(i)] = spin;
    connect(spin, &UpDown::changed, this, [this, p](int value) {
        if (!m_updating)
            m_values.setSpin(p, value);
    });

    const QString unit = QString::fromUtf16(row.unit);
    if (unit.isEmpty())
        return;
    const QString unitName
        = i == Limit ? ObjectName::LimiterUnit : ObjectName::indexed(ObjectName::ValueUnit, i);
    QLabel* unitLabel = makeLabel(
        parent, unitName, unit, { place.boxLeft + UnitOffset, place.top + 60, 495, LabelHeight });
    if (i == Limit)
        m_limiterUnit = unitLabel;
}

void ParameterBoxes::buildModeBoxes(QWidget* visibleParent, QWidget* hiddenFrame)
{
    // Only "Reverse Cancel" and "Robot Mode" are shown; the rest sit in the hidden frame.
    const std::array<QPoint, ModeCount> place {
        QPoint(4440, HiddenFirstTop),
        QPoint(4440, HiddenFirstTop + 300),
        QPoint(CaptionLeft, 4860),
        QPoint(4440, HiddenFirstTop + 600),
        QPoint(CaptionLeft, 4560),
    };
    for (int bit = 0; bit < ModeCount; ++bit) {
        const bool shown = modeAt(bit) == Mode::ReverseCancel || modeAt(bit) == Mode::RobotMode;
        const QPoint at = place[size_t(bit)];
        QCheckBox* box = makeCheck(shown ? visibleParent : hiddenFrame,
            ObjectName::indexed(ObjectName::ModeBox, bit), QString(),
            { at.x(), at.y(), shown ? ModeWidth : 1575, CheckHeight });
        m_modeBoxes[size_t(bit)] = box;
        connect(box, &QCheckBox::toggled, this, [this, bit](bool checked) {
            if (!m_updating)
                m_values.setMode(modeAt(bit), checked);
        });
    }
}

void ParameterBoxes::buildHiddenFields(QWidget* hiddenFrame)
{
    const int modelTop = HiddenFirstTop + 3 * RowStep;
    const int versionTop = modelTop + RowStep;
    m_modelCaption = makeLabel(hiddenFrame, ObjectName::ModelCaption, QString(),
        { HiddenCaptionLeft, modelTop + 60, HiddenBoxLeft - HiddenCaptionLeft, LabelHeight });
    m_modelBox = make<QLineEdit>(
        hiddenFrame, ObjectName::ModelBox, { HiddenBoxLeft, modelTop, 1215, 285 });
    m_modelBox->setReadOnly(true);
    m_modelBox->setAlignment(Qt::AlignCenter);
    m_romVersionCaption = makeLabel(hiddenFrame, ObjectName::RomVersionCaption, QString(),
        { HiddenCaptionLeft, versionTop + 60, HiddenBoxLeft - HiddenCaptionLeft, LabelHeight });
    m_romVersionBox = make<QLineEdit>(
        hiddenFrame, ObjectName::RomVersionBox, { HiddenBoxLeft, versionTop, 1215, 285 });
    m_romVersionBox->setReadOnly(true);
}

QList<QWidget*> ParameterBoxes::tabChain() const
{
    QList<QWidget*> chain;
    for (Parameter p : VisibleRows) {
        if (p == Parameter::CurrentLimit)
            chain.append(m_limiterOff);
        chain.append(valueBox(p));
    }
    chain.append(modeBox(Mode::RobotMode));
    chain.append(modeBox(Mode::ReverseCancel));
    return chain;
}

namespace {

// Spin clicks a key stands for; 0 for any other key.
int keySteps(const QKeyEvent* event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return 0;
    switch (event->key()) {
    case Qt::Key_Up:
        return 1;
    case Qt::Key_Down:
        return -1;
    case Qt::Key_PageUp:
        return 10;
    case Qt::Key_PageDown:
        return -10;
    default:
        return 0;
    }
}

}

bool ParameterBoxes::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(m_valueBoxes.begin(), m_valueBoxes.end(), watched);
    if (found == m_valueBoxes.end() || !(*found)->isEnabled())
        return false;
    UpDown* spin = m_spinButtons[size_t(found - m_valueBoxes.begin())];
    int steps = 0;
    if (event->type() == QEvent::KeyPress) {
        steps = keySteps(static_cast<const QKeyEvent*>(event));
    } else if (event->type() == QEvent::Wheel) {
        // One step a notch; a fine wheel adds up to notches.
        constexpr int Notch = 120;
        m_wheelRest += static_cast<const QWheelEvent*>(event)->angleDelta().y();
        steps = m_wheelRest / Notch;
        m_wheelRest -= steps * Notch;
        spin->stepBy(steps);
        return true;
    }
    if (steps == 0)
        return false;
    spin->stepBy(steps);
    return true;
}

bool ParameterBoxes::captionsFit(const QFont& font)
{
    const QFontMetrics metrics(font);
    for (int i = 0; i < ParameterCount; ++i) {
        if (metrics.horizontalAdvance(captionText(parameterAt(i))) > captionRoom(i))
            return false;
    }
    const QStyle* style = QApplication::style();
    const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth)
        + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 2;
    if (indicator + metrics.horizontalAdvance(tr("Off")) > tw(OffWidth))
        return false;
    for (Mode m : { Mode::ReverseCancel, Mode::RobotMode }) {
        if (indicator + metrics.horizontalAdvance(modeCaptionText(m)) > tw(ModeWidth))
            return false;
    }
    return true;
}

ParameterBoxes::HeldMarks ParameterBoxes::heldMarks() const
{
    HeldMarks marks;
    const QString& controller = m_values.controllerImage();
    if (m_values.isEmpty()
        || SettingImage::decode(controller).status != SettingImage::DecodeStatus::Ok)
        return marks;
    for (const ChangeEngine::Change& c : ChangeEngine::plan(m_values).changes) {
        if (c.kind == ChangeEngine::Change::Kind::Mode)
            marks.modes[size_t(c.index)] = c.from.text();
        else if (c.kind != ChangeEngine::Change::Kind::Parameter)
            continue;
        else if (c.index == Limit
            && (c.from.kind == ShownValue::Kind::LimiterOff
                || c.to.kind == ShownValue::Kind::LimiterOff))
            marks.limiter = c.from.withUnit(m_limiterUnit->text());
        else
            marks.values[size_t(c.index)] = c.from.text();
    }
    return marks;
}

void ParameterBoxes::update()
{
    m_updating = true;
    const HeldMarks marks = heldMarks();
    for (int i = 0; i < ParameterCount; ++i)
        showEntry(i, marks.values[size_t(i)]);
    const bool off = m_values.limiterOff();
    setChecked(m_limiterOff, off);
    for (QWidget* w : std::initializer_list<QWidget*> {
             m_valueBoxes[Limit], m_spinButtons[Limit], m_limiterUnit })
        w->setEnabled(!off);
    markCheck(m_limiterOff, marks.limiter);
    for (int bit = 0; bit < ModeCount; ++bit) {
        setChecked(m_modeBoxes[size_t(bit)], m_values.mode(modeAt(bit)));
        markCheck(m_modeBoxes[size_t(bit)], marks.modes[size_t(bit)]);
    }
    m_modelBox->setText(m_values.modelName());
    m_romVersionBox->setText(m_values.romVersionText());
    m_updating = false;
}

void ParameterBoxes::showEntry(int i, const QString& controllerHolds)
{
    const SettingValues::Entry& entry = m_values.entry(parameterAt(i));
    QLineEdit* box = m_valueBoxes[size_t(i)];
    // The typing limit is for typing: a longer value from the controller shows whole.
    box->setMaxLength(std::max(int(entry.text.size()), parameterTable()[size_t(i)].maxLength));
    if (box->text() != entry.text)
        box->setText(entry.text);
    const QColor colour = entry.inRange ? QColor(Qt::black) : QColor(Qt::red);
    if (box->palette().color(QPalette::Active, QPalette::Text) != colour) {
        // A disabled box keeps the style's grey.
        QPalette palette = box->palette();
        palette.setColor(QPalette::Active, QPalette::Text, colour);
        palette.setColor(QPalette::Inactive, QPalette::Text, colour);
        box->setPalette(palette);
    }
    m_spinButtons[size_t(i)]->setValue(entry.spin);

    const QString held = heldLine(controllerHolds);
    if (box->font().underline() != !held.isEmpty())
        box->setFont(valueFont(!held.isEmpty()));
    const QString range = rangeText(parameterAt(i), TextStyle::Tooltip);
    box->setToolTip(held.isEmpty() ? range : range + u'\n' + held);
}

void ParameterBoxes::onTextEdited(int i)
{
    if (!m_updating)
        m_values.setText(parameterAt(i), m_valueBoxes[size_t(i)]->text());
}
