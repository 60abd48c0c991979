#include "outcometext.h"

namespace {

Phrase said(const char* source) { return Phrase::of("Outcome", source); }

} // namespace

Phrase outcomePhrase(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Completed:
    case Outcome::Aborted:
        break;
    case Outcome::Deleted:
        return said(QT_TRANSLATE_NOOP("Outcome", "Setting Data is deleted."));
    case Outcome::OtherModel:
        return said(QT_TRANSLATE_NOOP("Outcome", "TZ type is different."));
    case Outcome::CommunicationFault:
        return said(QT_TRANSLATE_NOOP("Outcome", "RS232 communication fault."));
    case Outcome::CannotSet:
        return said(QT_TRANSLATE_NOOP("Outcome", "TZ cannot be set."));
    case Outcome::DataAbnormal:
        return said(QT_TRANSLATE_NOOP("Outcome", "Data is abnormal!!"));
    case Outcome::VerifyFailed:
        return said(QT_TRANSLATE_NOOP("Outcome", "Verify was NG."));
    }
    return {};
}

QString outcomeText(Outcome outcome) { return outcomePhrase(outcome).text; }

QString replacedControllerText(const QString& entry)
{
    if (entry.isEmpty())
        return QCoreApplication::translate("Outcome",
            "The controller held other settings than the last read; the history could not "
            "keep them.");
    return QCoreApplication::translate("Outcome",
        "The controller held other settings than the last read; the history keeps them as %1.")
        .arg(entry);
}
