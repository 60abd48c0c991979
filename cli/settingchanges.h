#pragma once

#include "changeengine.h"

#include <QJsonArray>
#include <QList>
#include <QString>

// The change engine's changes as the command line prints them.
using SettingChanges = QList<ChangeEngine::Change>;

// "Dead Band: 10 uS -> 12 uS", one line each.
QString changesText(const SettingChanges& changes);
// Numbers as numbers, a limiter that is off as null, a mode as true or false,
// a byte as its two hex digits.
QJsonArray changesJson(const SettingChanges& changes);
