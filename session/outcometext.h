#pragma once

#include "operation.h"

#include <QString>

// What both front ends say when an operation ends: empty for one that
// completed or was aborted.
QString outcomeText(Outcome outcome);
