#pragma once

#include "settingsreport.h"

#include <QJsonArray>
#include <QJsonValue>
#include <QList>
#include <QString>

// One parameter or mode that differs between two sets of settings.
struct SettingChange {
    QString key;
    QString caption;
    QString unit;
    QString fromText;
    QString toText;
    QJsonValue from; // a number, null for a limiter that is off, or a mode's true/false
    QJsonValue to;
};

// Both reports come from reportImage, so their rows line up.
QList<SettingChange> settingChanges(const SettingsReport& from, const SettingsReport& to);

// "Dead Band: 10 uS -> 12 uS", one line each.
QString changesText(const QList<SettingChange>& changes);
QJsonArray changesJson(const QList<SettingChange>& changes);
