#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// How the emulated controller misbehaves.
enum class EmulatorFault {
    None,
    NoAnswer,
    NoTerminator, // every reply lacks its last character
    ShortReply, // setting and log replies one data character short
    LongReply, // ... one data character long
    NonHex, // a field of the setting and log replies is not hex
    WriteNotSticking, // "sw" echoes the image but keeps the old one
    Deleted, // model code FF
    OtherModel, // model code 03
    PullPlug, // the line goes away halfway through a reply
    LateReply, // replies come after the reply window
    LowerCase, // setting replies in lower-case hex
};

QStringList emulatorFaultNames();
QString emulatorFaultName(EmulatorFault fault);
std::optional<EmulatorFault> emulatorFaultFromName(const QString& name);
