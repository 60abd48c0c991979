#include "qtprompts.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon boxIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Error:
        return QMessageBox::Critical;
    case Prompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

}

QtPrompts::QtPrompts(QString title, QWidget* parent)
    : m_title(std::move(title))
    , m_parent(parent)
{
}

void QtPrompts::message(const QString& text, Icon icon)
{
    QMessageBox box(boxIcon(icon), m_title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

void QtPrompts::messageWithDetail(const QString& text, Icon icon, const QString& detail)
{
    QMessageBox box(boxIcon(icon), m_title, text, QMessageBox::Ok, m_parent);
    box.setInformativeText(detail);
    box.exec();
}

bool QtPrompts::ask(const QString& text)
{
    QMessageBox box(
        QMessageBox::NoIcon, m_title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompts::copyableMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, text, QMessageBox::Ok, m_parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    const QPushButton* copy = box.addButton(tr("Copy"), QMessageBox::ActionRole);
    // With two buttons the box would not know which one Escape means.
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    if (box.clickedButton() == copy)
        QGuiApplication::clipboard()->setText(text);
}

std::optional<QString> QtPrompts::askText(const QString& question, const QString& proposed)
{
    bool ok = false;
    const QString text
        = QInputDialog::getText(m_parent, m_title, question, QLineEdit::Normal, proposed, &ok);
    return ok ? std::optional(text) : std::nullopt;
}

std::optional<int> QtPrompts::askChoice(const QString& question, const QStringList& items)
{
    bool ok = false;
    const QString item = QInputDialog::getItem(m_parent, m_title, question, items, 0, false, &ok);
    return ok ? std::optional(int(items.indexOf(item))) : std::nullopt;
}

QStringList QtPrompts::toQtFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed().replace(u';', u' ');
#ifndef Q_OS_WIN
        // "*.*" would hide every file without an extension here.
        if (patterns == u"*.*"_qs) {
            patterns = u"*"_qs;
            if (description.endsWith(u"(*.*)"_qs))
                description.replace(description.size() - 5, 5, u"(*)"_qs);
        }
#endif
        // Qt reads the patterns from the last parentheses of an entry; keep a
        // description that already ends with the same ones as it is.
        if (description.endsWith(u'(' + patterns + u')'))
            result.append(description);
        else
            result.append(description + u" ("_qs + patterns + u')');
    }
    if (result.isEmpty())
        result.append(tr("All files (*)"));
    return result;
}

QString QtPrompts::openFileName(const QString& filter)
{
    const QStringList filters = toQtFilters(filter);
    QString selected = filters.first();
    const QString name = QFileDialog::getOpenFileName(
        m_parent, QString(), m_lastDir, filters.join(u";;"_qs), &selected);
    if (!name.isEmpty())
        m_lastDir = QFileInfo(name).absolutePath();
    return name;
}

QString QtPrompts::saveFileName(const QString& filter) { return saveFileNameAt(filter, m_lastDir); }

QString QtPrompts::saveFileNameAt(const QString& filter, const QString& proposed)
{
    const QStringList filters = toQtFilters(filter);
    QString selected = filters.first();
    // The program asks about overwriting itself.
    const QString name = QFileDialog::getSaveFileName(m_parent, QString(), proposed,
        filters.join(u";;"_qs), &selected, QFileDialog::DontConfirmOverwrite);
    if (!name.isEmpty())
        m_lastDir = QFileInfo(name).absolutePath();
    return name;
}
