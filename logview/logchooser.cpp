#include "logchooser.h"

#include "prompts.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

LogChooser::LogChooser(const QList<LogHistory::Entry>& entries, QWidget* parent)
    : QDialog(parent)
    , m_list(new QListWidget(this))
{
    setWindowTitle(tr("Compare with a Log"));
    for (const LogHistory::Entry& entry : entries) {
        auto* item = new QListWidgetItem(entryName(entry), m_list);
        item->setData(Qt::UserRole, entry.path);
    }
    m_list->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(tr("Compare"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons->addButton(tr("From File..."), QDialogButtonBox::ActionRole),
        &QPushButton::clicked, this, [this] { done(FromFile); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
}

QString LogChooser::entryName(const LogHistory::Entry& entry)
{
    const QString time = entry.time.toLocalTime().toString(u"yyyy-MM-dd HH:mm:ss"_qs);
    return entry.port.isEmpty() ? time : tr("%1, port %2").arg(time, entry.port);
}

std::optional<LogChooser::Choice> LogChooser::choose(
    QList<LogHistory::Entry> entries, const QString& shown, Prompts& prompts, QWidget* parent)
{
    entries.removeIf([&shown](const LogHistory::Entry& e) { return e.path == shown; });
    int answer = FromFile;
    if (!entries.isEmpty()) {
        LogChooser dialog(entries, parent);
        answer = dialog.exec();
        const QListWidgetItem* item = dialog.m_list->currentItem();
        if (answer == QDialog::Accepted && item)
            return Choice { item->data(Qt::UserRole).toString(), item->text() };
    }
    if (answer != FromFile)
        return std::nullopt;
    const QString path = prompts.openFileName(
        tr("TZ Log data (*.csv)") + u"|*.csv|"_qs + tr("ALL files(*.*)") + u"|*.*"_qs);
    if (path.isEmpty())
        return std::nullopt;
    return Choice { path, QFileInfo(path).fileName() };
}
