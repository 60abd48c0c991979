#pragma once

#include "prompts.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QWidget;

// Prompts on screen: message boxes titled with the application title and the
// platform's file dialogs.
class QtPrompts : public Prompts {
    Q_DECLARE_TR_FUNCTIONS(QtPrompts)
public:
    explicit QtPrompts(QString title, QWidget* parent = nullptr);

    void setParent(QWidget* parent) { m_parent = parent; }

    void message(const QString& text, Icon icon) override;
    void messageWithDetail(const QString& text, Icon icon, const QString& detail) override;
    bool ask(const QString& text) override;
    QString openFileName(const QString& filter) override;
    QString saveFileName(const QString& filter) override;
    QString saveFileNameAt(const QString& filter, const QString& proposed) override;
    void copyableMessage(const QString& text) override;
    std::optional<QString> askText(const QString& question, const QString& proposed) override;
    std::optional<int> askChoice(const QString& question, const QStringList& items) override;

    // "Desc|pattern|Desc|pattern" as Qt filter entries, e.g. "Logs (*.csv)".
    static QStringList toQtFilters(const QString& filter);

private:
    QString m_title;
    QWidget* m_parent = nullptr;
    // Like a common dialog, the next dialog starts where the last one ended.
    QString m_lastDir;
};
