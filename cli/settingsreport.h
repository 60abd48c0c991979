#pragma once

#include <QJsonObject>
#include <QString>

class SettingValues;

// The settings a SettingValues shows, as the command line prints them: the
// parameters in the window's order with the hidden three last, then the two
// shown modes and bits 0, 1 and 3 as the image sets them.
QString settingsTable(const SettingValues& values);
QJsonObject settingsJson(const SettingValues& values);
