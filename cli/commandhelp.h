#pragma once

#include "commandline.h"

#include <QString>
#include <QStringList>
#include <QStringView>

struct CommandInfo {
    CliCommand command;
    const char16_t* name;
    unsigned options; // CommandOption bits
    int minArguments;
    int maxArguments; // -1: any number
    const char16_t* synopsis; // after "tz586kv "
    // Shown translated in context CommandHelp.
    const char* summary;
    const char* description;
    const char* optionLines; // the command's own options, formatted
    const char16_t* example;
};

const CommandInfo* findCommand(QStringView name);
// Every command's name, and help.
QStringList commandNames();
const CommandInfo& commandInfo(CliCommand command);

QString programHelp();
QString commandHelp(CliCommand command);
// "Try 'tz586kv read --help'."
QString helpHint(CliCommand command);
