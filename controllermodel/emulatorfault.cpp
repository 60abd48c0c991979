#include "emulatorfault.h"

#include <array>

namespace {
struct FaultName {
    EmulatorFault fault;
    const char* name;
};

constexpr std::array<FaultName, 12> Names { {
    { EmulatorFault::None, "none" },
    { EmulatorFault::NoAnswer, "no-answer" },
    { EmulatorFault::NoTerminator, "no-terminator" },
    { EmulatorFault::ShortReply, "short-reply" },
    { EmulatorFault::LongReply, "long-reply" },
    { EmulatorFault::NonHex, "non-hex" },
    { EmulatorFault::WriteNotSticking, "write-not-sticking" },
    { EmulatorFault::Deleted, "deleted" },
    { EmulatorFault::OtherModel, "other-model" },
    { EmulatorFault::PullPlug, "pull-plug" },
    { EmulatorFault::LateReply, "late-reply" },
    { EmulatorFault::LowerCase, "lower-case" },
} };
}

QStringList emulatorFaultNames()
{
    QStringList names;
    for (const auto& entry : Names)
        names.append(QLatin1String(entry.name));
    return names;
}

QString emulatorFaultName(EmulatorFault fault)
{
    for (const auto& entry : Names) {
        if (entry.fault == fault)
            return QLatin1String(entry.name);
    }
    return {};
}

std::optional<EmulatorFault> emulatorFaultFromName(const QString& name)
{
    for (const auto& entry : Names) {
        if (name == QLatin1String(entry.name))
            return entry.fault;
    }
    return std::nullopt;
}
