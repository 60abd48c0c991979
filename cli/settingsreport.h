#pragma once

#include "parametertable.h"
#include "settingimage.h"

#include <QJsonObject>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

struct ParameterReport {
    int index = 0;
    QString text; // as the window shows it; "off" for a limiter that is off
    std::optional<double> value; // none when the limiter is off or text is no number
    bool off = false; // the current limiter only
    bool inRange = false;
};

struct ModeReport {
    int bit = 0;
    bool on = false;
};

// A decoded setting image as the command line shows it.
struct SettingsReport {
    QString image; // 64 upper-case hex characters
    QString romVersion; // decimal
    std::vector<ParameterReport> parameters; // window order, the hidden three last
    std::vector<ModeReport> modes; // the two shown, then bits 0, 1 and 3
};

struct ReportedImage {
    SettingImage::DecodeStatus status = SettingImage::DecodeStatus::BadField;
    int modelCode = 0;
    SettingsReport report; // when status is Ok
};

ReportedImage reportImage(QStringView image);

QString settingsTable(const SettingsReport& report);
QJsonObject settingsJson(const SettingsReport& report);
