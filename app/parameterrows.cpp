#include "parameterrows.h"

#include "numbertext.h"
#include "updown.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QStyle>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int px(int twips) { return twips / 15; }

// Columns of the shown rows and of the rows inside the hidden frame, in twips.
constexpr int CaptionLeft = 2340;
constexpr int BoxLeft = 4740;
constexpr int OffLeft = 3960;
constexpr int TmpCaptionLeft = 120;
constexpr int TmpBoxLeft = 2520;
constexpr int FirstTop = 120;
constexpr int RowStep = 360;
constexpr int TmpFirstTop = 240;
constexpr int SpinOffset = 900; // box left to spin left
constexpr int UnitOffset = 1260; // box left to unit left
constexpr int LabelHeight = 285;
constexpr int CheckHeight = 255;
constexpr int OffWidth = 675;
// The shown mode boxes reach to the box column so that no font clips them.
constexpr int ModeWidth = BoxLeft - CaptionLeft;
constexpr int CurLimRow = 7;
constexpr std::array<int, 3> TmpRows { 2, 3, 4 };

bool isTmpRow(int i) { return i >= 2 && i <= 4; }

int boxHeight(int i) { return (i >= 3 && i <= 5) || i == CurLimRow ? 300 : 285; }

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect twips)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
    return label;
}

QCheckBox* makeCheck(QWidget* parent, const QString& name, const QString& text, QRect twips)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setGeometry(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
    return box;
}

QLineEdit* makeField(QWidget* parent, const QString& name, QRect twips)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
    return box;
}

float numberIn(const QLineEdit* box) { return float(NumberText::leadingNumber(box->text())); }

}

ParameterRows::ParameterRows(QWidget* visibleParent, QWidget* fraTmp)
    : QObject(visibleParent)
{
    for (size_t row = 0; row < VisibleRows.size(); ++row) {
        const int top = FirstTop + int(row) * RowStep;
        buildRow(visibleParent, VisibleRows[row], { CaptionLeft, BoxLeft, top });
    }
    for (size_t row = 0; row < TmpRows.size(); ++row) {
        const int top = TmpFirstTop + int(row) * RowStep;
        buildRow(fraTmp, TmpRows[row], { TmpCaptionLeft, TmpBoxLeft, top });
    }
    buildTmpFields(fraTmp);

    const int offTop = FirstTop + 4 * RowStep + 60;
    m_chkCurLimOff = makeCheck(
        visibleParent, u"ChkCurLimOff"_s, u"Off"_s, { OffLeft, offTop, OffWidth, CheckHeight });
    connect(m_chkCurLimOff, &QCheckBox::toggled, this, &ParameterRows::ChkCurLimOff_Click);

    // Only "Reverse Cancel" and "Robot Mode" are shown; the rest sit in the hidden frame.
    const std::array<QPoint, ModeCount> modePlace {
        QPoint(4440, TmpFirstTop),
        QPoint(4440, TmpFirstTop + 300),
        QPoint(CaptionLeft, 4860),
        QPoint(4440, TmpFirstTop + 600),
        QPoint(CaptionLeft, 4560),
    };
    for (int i = 0; i < ModeCount; ++i) {
        const bool shown = i == 2 || i == 4;
        const QPoint at = modePlace[size_t(i)];
        QCheckBox* box = makeCheck(shown ? visibleParent : fraTmp,
            u"ChkMode"_s + QString::number(i), QString::fromUtf16(modeCaptions()[size_t(i)]),
            { at.x(), at.y(), shown ? ModeWidth : 1575, CheckHeight });
        m_chkMode[size_t(i)] = box;
        connect(
            box, &QCheckBox::toggled, this, [this, i](bool checked) { ChkMode_Click(i, checked); });
    }
}

void ParameterRows::buildRow(QWidget* parent, int i, const Place& place)
{
    const ParameterInfo& p = parameterTable()[size_t(i)];
    const QString index = QString::number(i);
    const int captionRight = i == CurLimRow ? OffLeft : place.boxLeft;
    makeLabel(parent, u"LblCaption"_s + index, QString::fromUtf16(p.caption),
        { place.captionLeft, place.top + 60, captionRight - place.captionLeft, LabelHeight });

    QLineEdit* box
        = makeField(parent, u"TxtData"_s + index, { place.boxLeft, place.top, 915, boxHeight(i) });
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setMaxLength(p.maxLength);
    // Only size and weight are fixed; the family follows the window.
    QFont font;
    font.setPointSize(12);
    font.setBold(true);
    box->setFont(font);
    box->setTextMargins(0, 0, 0, 0);
    m_txtData[size_t(i)] = box;
    connect(box, &QLineEdit::textChanged, this, [this, i] { TxtData_Change(i); });

    auto* spin = new UpDown(parent);
    spin->setObjectName(u"UpDownData"_s + index);
    spin->setGeometry(px(place.boxLeft + SpinOffset), px(place.top), px(255), px(285));
    m_upDownData[size_t(i)] = spin;
    connect(spin, &UpDown::changed, this, [this, i] { UpDownData_Change(i); });

    const QString unit = QString::fromUtf16(p.unit);
    if (unit.isEmpty())
        return;
    const QString unitName = i == CurLimRow ? u"LblCurLim"_s : u"LblUnit"_s + index;
    QLabel* unitLabel = makeLabel(
        parent, unitName, unit, { place.boxLeft + UnitOffset, place.top + 60, 495, LabelHeight });
    if (i == CurLimRow)
        m_lblCurLim = unitLabel;
}

void ParameterRows::buildTmpFields(QWidget* fraTmp)
{
    const int tzTop = TmpFirstTop + 3 * RowStep;
    const int verTop = tzTop + RowStep;
    makeLabel(fraTmp, u"LblTzType"_s, u"TZ Type"_s,
        { TmpCaptionLeft, tzTop + 60, TmpBoxLeft - TmpCaptionLeft, LabelHeight });
    m_txtTzType = makeField(fraTmp, u"TxtTzType"_s, { TmpBoxLeft, tzTop, 1215, 285 });
    m_txtTzType->setReadOnly(true);
    m_txtTzType->setAlignment(Qt::AlignCenter);
    makeLabel(fraTmp, u"LblVer"_s, u"ROM Version"_s,
        { TmpCaptionLeft, verTop + 60, TmpBoxLeft - TmpCaptionLeft, LabelHeight });
    m_txtVer = makeField(fraTmp, u"TxtVer"_s, { TmpBoxLeft, verTop, 1215, 285 });
    m_txtVer->setReadOnly(true);
}

QLineEdit* ParameterRows::TxtData(int i) const { return m_txtData.at(size_t(i)); }

UpDown* ParameterRows::UpDownData(int i) const { return m_upDownData.at(size_t(i)); }

QCheckBox* ParameterRows::ChkMode(int i) const { return m_chkMode.at(size_t(i)); }

int ParameterRows::captionRoomPx(int index)
{
    if (index == CurLimRow)
        return px(OffLeft - CaptionLeft);
    return isTmpRow(index) ? px(TmpBoxLeft - TmpCaptionLeft) : px(BoxLeft - CaptionLeft);
}

bool ParameterRows::captionsFit(const QFont& font)
{
    const QFontMetrics metrics(font);
    for (int i = 0; i < ParameterCount; ++i) {
        const QString caption = QString::fromUtf16(parameterTable()[size_t(i)].caption);
        if (metrics.horizontalAdvance(caption) > captionRoomPx(i))
            return false;
    }
    const QStyle* style = QApplication::style();
    const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth)
        + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 2;
    if (indicator + metrics.horizontalAdvance(u"Off"_s) > px(OffWidth))
        return false;
    for (int i : { 2, 4 }) {
        const QString caption = QString::fromUtf16(modeCaptions()[size_t(i)]);
        if (indicator + metrics.horizontalAdvance(caption) > px(ModeWidth))
            return false;
    }
    return true;
}

void ParameterRows::MainIni()
{
    for (int i = 0; i < ParameterCount; ++i) {
        const ParameterInfo& p = parameterTable()[size_t(i)];
        m_minData[size_t(i)] = p.min;
        m_maxData[size_t(i)] = p.max;
        TxtData(i)->setToolTip(parameterTooltip(i));
        UpDownData(i)->setMinimum(p.spinMin);
        UpDownData(i)->setMaximum(p.spinMax);
        UpDownData(i)->setIncrement(p.increment);
        setText(i, QString());
    }
}

void ParameterRows::ClearSettingDisplay()
{
    setChecked(m_chkCurLimOff, false);
    for (int i = 0; i < ParameterCount; ++i) {
        setText(i, QString());
        if (i < ModeCount)
            setChecked(ChkMode(i), false);
    }
    m_txtTzType->clear();
    m_txtVer->clear();
}

void ParameterRows::applyDecoded(const SettingImage::Decoded& decoded)
{
    if (decoded.status != SettingImage::DecodeStatus::Ok)
        return;
    m_txtTzType->setText(u"TZ586KV"_s);
    for (int i : { 0, 1, 2, 3, 4, 14, 5, 6, 7 })
        setText(i, decoded.texts[size_t(i)]);

    const bool off = numberIn(TxtData(CurLimRow)) == 480;
    if (off && m_chkCurLimOff->isChecked()) {
        // Already off from an earlier load: the box must not keep the new 480.
        ChkCurLimOff_Click(true);
    } else {
        const bool wasOff = m_chkCurLimOff->isChecked();
        setChecked(m_chkCurLimOff, off);
        // Switching "Off" back refills the box from SavedCurLim; show the decoded value.
        if (wasOff && !off)
            setText(CurLimRow, decoded.texts[CurLimRow]);
    }

    for (int i : { 8, 9, 10, 11, 12, 13 })
        setText(i, decoded.texts[size_t(i)]);
    m_txtVer->setText(decoded.version);
    for (int bit = 0; bit < ModeCount; ++bit)
        setChecked(ChkMode(bit), (decoded.modeByte >> bit) & 1);
}

void ParameterRows::clearTzType() { m_txtTzType->clear(); }

SettingImage::WindowValues ParameterRows::windowValues() const
{
    SettingImage::WindowValues values;
    for (int i = 0; i < ParameterCount; ++i) {
        values.texts[size_t(i)] = TxtData(i)->text();
        values.red[size_t(i)] = isRed(i);
    }
    values.curLimOff = m_chkCurLimOff->isChecked();
    for (int i = 0; i < ModeCount; ++i)
        values.mode[size_t(i)] = ChkMode(i)->isChecked();
    return values;
}

bool ParameterRows::isRed(int i) const
{
    return TxtData(i)->palette().color(QPalette::Active, QPalette::Text) == QColor(Qt::red);
}

void ParameterRows::setText(int i, const QString& text)
{
    QLineEdit* box = TxtData(i);
    if (box->text() != text)
        box->setText(text);
}

void ParameterRows::setRed(int i, bool red)
{
    QLineEdit* box = TxtData(i);
    const QColor colour = red ? QColor(Qt::red) : QColor(Qt::black);
    if (box->palette().color(QPalette::Active, QPalette::Text) == colour)
        return;
    // A disabled box keeps the style's grey.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Active, QPalette::Text, colour);
    palette.setColor(QPalette::Inactive, QPalette::Text, colour);
    box->setPalette(palette);
}

void ParameterRows::setChecked(QCheckBox* box, bool checked)
{
    if (box->isChecked() != checked)
        box->setChecked(checked);
}

void ParameterRows::TxtData_Change(int i)
{
    const QString text = TxtData(i)->text();
    if (text.isEmpty() || text.endsWith(u'.'))
        return;
    float v = float(NumberText::leadingNumber(text));

    if (i == CurLimRow || i == 12) {
        const double first = NumberText::leadingNumber(QStringView(text).left(1));
        if ((text.size() == 2 && first >= 5) || (text.size() == 3 && first <= 3)) {
            v = float(std::floor(double(v) / 10 + 0.5) * 10);
            const QString snapped = NumberText::shortest(v);
            if (snapped != text) {
                // The nested run has coloured the box and moved the spin button.
                setText(i, snapped);
                return;
            }
        }
    }

    const bool inRange = m_minData[size_t(i)] <= v && v <= m_maxData[size_t(i)];
    setRed(i, !inRange);
    if (!inRange)
        return;
    if (i == CurLimRow)
        m_savedCurLim = v; // before the spin, whose echo may refine it
    const double spinValue = i == 6 ? double(v) * 10 : double(v);
    UpDownData(i)->setValue(int(NumberText::roundEven(spinValue)));
}

void ParameterRows::UpDownData_Change(int i)
{
    const float v = numberIn(TxtData(i));
    const float minimum = m_minData[size_t(i)];
    const float maximum = m_maxData[size_t(i)];
    if (v < minimum) {
        setText(i, NumberText::shortest(minimum));
    } else if (v > maximum) {
        setText(i, NumberText::shortest(maximum));
    } else {
        const int value = UpDownData(i)->value();
        setText(i, i == 6 ? NumberText::shortest(float(value / 10.0)) : QString::number(value));
    }
}

void ParameterRows::ChkMode_Click(int i, bool checked)
{
    if (!checked)
        return;
    if (i == 2)
        setChecked(ChkMode(4), false);
    else if (i == 4)
        setChecked(ChkMode(2), false);
}

void ParameterRows::ChkCurLimOff_Click(bool checked)
{
    QLineEdit* box = TxtData(CurLimRow);
    if (checked) {
        // An empty or non-numeric box says nothing about the last limit: keep it.
        if (const auto number = NumberText::wholeNumber(box->text()))
            m_savedCurLim = float(*number);
        setText(CurLimRow, QString());
    } else {
        if (m_savedCurLim == 480)
            m_savedCurLim = 300;
        setText(CurLimRow, NumberText::shortest(m_savedCurLim));
    }
    box->setEnabled(!checked);
    UpDownData(CurLimRow)->setEnabled(!checked);
    m_lblCurLim->setEnabled(!checked);
}
