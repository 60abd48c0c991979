#pragma once

#include "parametertable.h"
#include "settingimage.h"
#include "shownvalue.h"
#include "valueproblem.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

// The settings the user sees and edits: for each parameter its text, whether
// it is in range and its spin value; the modes, the limiter switch, and the
// controller's last image. The editing rules live here, so that every view
// (the window, a script) gets the same values from the same input.
class SettingValues : public QObject {
    Q_OBJECT
public:
    struct Entry {
        QString text;
        bool inRange = true; // out of range shows red and blocks a write
        int spin = 0;
    };

    explicit SettingValues(QObject* parent = nullptr);

    const Entry& entry(Parameter p) const { return m_entries[size_t(indexOf(p))]; }
    const QString& text(Parameter p) const { return entry(p).text; }
    bool mode(Mode m) const { return m_modes[size_t(bitOf(m))]; }
    bool limiterOff() const { return m_limiterOff; }
    float savedLimit() const { return m_savedLimit; }
    const QString& modelName() const { return m_modelName; }
    const QString& romVersionText() const { return m_romVersionText; }
    bool isEmpty() const { return text(Parameter::PwmFrequencyMinLoad).isEmpty(); }

    // What was last typed into a parameter before the rules rewrote it
    // ("2.55" shown as 2.5); empty when the value came from an image or a step.
    const QString& typedText(Parameter p) const { return m_typed[size_t(indexOf(p))]; }
    // A mode switch was set since the values were last shown, even to what
    // it showed: the request goes to the controller's bits.
    bool modesRequested() const { return m_modesRequested; }

    // The number a write would carry, or nothing when the text is empty, red,
    // not wholly a number or outside the range.
    std::optional<double> value(Parameter p) const;
    // Why p may not be written; nothing when it may (a limiter switched off may).
    std::optional<ValueProblem> problem(Parameter p) const;
    // Every problem, in the order people see the parameters.
    QList<ValueProblem> problems() const;
    // A parameter as shown: its text, or the limiter switched off.
    ShownValue shown(Parameter p) const;

    // Editing: each call applies the rules and ends with one changed().
    void setText(Parameter p, const QString& text); // typed forms as NumberText::typed reads them
    void setSpin(Parameter p, int spin);
    void setMode(Mode m, bool on);
    void setLimiterOff(bool off);
    void clear();

    // Decodes an image into the values; only Ok changes the parameters.
    SettingImage::DecodeStatus show(QStringView image);
    // The image the values were last shown from, a controller's or a file's.
    const QString& shownImage() const { return m_lastShown; }
    // A mode's bit in that image, which may set both modes the switches exclude.
    bool shownModeBit(Mode m) const;

    // What the controller on the open port holds; empty when it has not been
    // read since the port opened.
    const QString& controllerImage() const { return m_controllerImage; }
    void setControllerImage(const QString& image);
    // The port closed or changed: another controller may be behind it now.
    void forgetController() { setControllerImage(QString()); }

signals:
    void changed();

private:
    class Batch;

    Entry& at(int i) { return m_entries[size_t(i)]; }
    void assignText(int i, const QString& text);
    void assignSpin(int i, int spin);
    void assignMode(int bit, bool on);
    void assignLimiterOff(bool off);
    void textRule(int i);
    void spinRule(int i);
    void limiterRule(bool off);
    void applyDecoded(const SettingImage::Decoded& decoded);

    std::array<Entry, ParameterCount> m_entries;
    std::array<QString, ParameterCount> m_typed;
    std::array<bool, ModeCount> m_modes {};
    bool m_modesRequested = false;
    bool m_limiterOff = false;
    float m_savedLimit = 0; // the last good limit, brought back when "Off" is unchecked
    QString m_modelName;
    QString m_romVersionText;
    QString m_controllerImage;
    QString m_lastShown;
    int m_batchDepth = 0;
};
