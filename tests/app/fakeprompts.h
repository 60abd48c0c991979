#pragma once

#include "prompts.h"

#include <QStringList>

// Answers every prompt at once and remembers what was asked.
class FakePrompts : public Prompts {
public:
    QStringList messages;

    void message(const QString& text, Icon) override { messages.append(text); }
    bool ask(const QString& text) override
    {
        messages.append(text);
        return false;
    }
    QString openFileName(const QString&) override { return {}; }
    QString saveFileName(const QString&) override { return {}; }
};
