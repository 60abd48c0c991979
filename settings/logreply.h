#pragma once

#include "samplestore.h"

#include <QStringView>

// The whole reply to "br": "br", 512 groups of four hex digits, CR. No reply
// to any command is longer.
inline constexpr qsizetype LogReplyLength = 2 + 4 * SampleStore::Count + 1;

// Fills both channels of the store from the controller's "br" reply: after a
// two-character prefix, 512 groups of four hex digits, voltage byte first;
// a field FF is a missing sample. A reply cut short or holding anything but
// hex digits there is broken: false, and the store is left as it was.
bool decodeLogReply(QStringView reply, SampleStore& store);
