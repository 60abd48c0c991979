#pragma once

#include "operation.h"
#include "phrase.h"

#include <QString>

// What both front ends say when an operation ends: empty for one that
// completed or was aborted. tz586kv's JSON takes the phrase's source.
Phrase outcomePhrase(Outcome outcome);
QString outcomeText(Outcome outcome); // for people

// Said after a change whose controller held other settings than the last
// read: entry names the history entry that keeps them, empty when none does.
QString replacedControllerText(const QString& entry);
