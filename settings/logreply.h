#pragma once

#include "samplestore.h"

#include <QStringView>

// Fills both channels of the store from the controller's "br" reply: after a
// two-character prefix, 512 groups of four hex digits, voltage byte first;
// a field FF is a missing sample. A reply cut short or holding anything but
// hex digits there is broken: false, and the store is left as it was.
bool decodeLogReply(QStringView reply, SampleStore& store);
