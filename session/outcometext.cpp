#include "outcometext.h"

QString outcomeText(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Completed:
    case Outcome::Aborted:
        break;
    case Outcome::Deleted:
        return QStringLiteral("Setting Data is deleted.");
    case Outcome::OtherModel:
        return QStringLiteral("TZ type is different.");
    case Outcome::CommunicationFault:
        return QStringLiteral("RS232 communication fault.");
    case Outcome::CannotSet:
        return QStringLiteral("TZ cannot be set.");
    case Outcome::DataAbnormal:
        return QStringLiteral("Data is abnormal!!");
    case Outcome::VerifyFailed:
        return QStringLiteral("Verify was NG.");
    }
    return {};
}

QString replacedControllerText(const QString& entry)
{
    const QString held = QStringLiteral("The controller held other settings than the last read");
    if (entry.isEmpty())
        return held + QStringLiteral("; the history could not keep them.");
    return held + QStringLiteral("; the history keeps them as %1.").arg(entry);
}
