#pragma once

#include "loghistory.h"

#include <QDialog>
#include <optional>

class Prompts;
class QListWidget;

// File > Log Data > Compare...: a log of the history, by its local time and
// port, or a CSV file to lay over the log shown.
class LogChooser : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        QString path;
        QString name; // for the legend
    };

    // Straight to the file dialog when the history holds no log but the one
    // shown (its CSV at shown), which is no use to compare with.
    static std::optional<Choice> choose(
        QList<LogHistory::Entry> entries, const QString& shown, Prompts& prompts, QWidget* parent);
    // "2024-05-01 14:03:12, port demo", the time in local time.
    static QString entryName(const LogHistory::Entry& entry);

private:
    enum Answer { FromFile = 2 };
    LogChooser(const QList<LogHistory::Entry>& entries, QWidget* parent);

    QListWidget* m_list;
};
