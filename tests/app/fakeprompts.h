#pragma once

#include "prompts.h"

#include <QStringList>

// Answers every prompt at once and remembers what was asked.
class FakePrompts : public Prompts {
public:
    QStringList messages;
    // The icon of each entry of messages; a question has none.
    QList<Icon> icons;
    // What ask() answers (false: No).
    bool answer = false;
    // The name either file dialog returns; empty means cancelled.
    QString fileName;
    // "open:<filter>" or "save:<filter>" for every file dialog shown.
    QStringList dialogs;
    // The detail of each entry of messages; empty for none.
    QStringList details;
    // Where the last save dialog started, when it was given a place.
    QString proposed;
    // What askText() answers; none: cancelled.
    std::optional<QString> text;
    // What askChoice() answers; none: cancelled.
    std::optional<int> choice;

    void message(const QString& text, Icon icon) override
    {
        messages.append(text);
        icons.append(icon);
        details.append(QString());
    }
    void messageWithDetail(const QString& text, Icon icon, const QString& detail) override
    {
        message(text, icon);
        details.last() = detail;
    }
    bool ask(const QString& text) override
    {
        message(text, Icon::None);
        return answer;
    }
    QString openFileName(const QString& filter) override
    {
        dialogs.append(u"open:"_qs + filter);
        return fileName;
    }
    QString saveFileName(const QString& filter) override
    {
        dialogs.append(u"save:"_qs + filter);
        return fileName;
    }
    std::optional<QString> askText(const QString& question, const QString&) override
    {
        message(question, Icon::None);
        return text;
    }
    std::optional<int> askChoice(const QString& question, const QStringList&) override
    {
        message(question, Icon::None);
        return choice;
    }
    QString saveFileNameAt(const QString& filter, const QString& place) override
    {
        proposed = place;
        return saveFileName(filter);
    }
};
