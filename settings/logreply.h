#pragma once

#include "samplestore.h"

#include <QStringView>

// Fills both channels of the store from the controller's "br" reply: after a
// two-character prefix, 512 groups of four hex digits, voltage byte first.
// A field that is FF, cut off or not hexadecimal leaves a missing sample.
void decodeLogReply(QStringView reply, SampleStore& store);
