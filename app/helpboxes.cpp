#include "helpboxes.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

const QString LicenceText = u"No licence stated by the authors yet; Qt under the GNU LGPL v3"_s;

namespace {

QDialog* makeBox(const QString& title, const QString& name, QWidget* parent)
{
    auto* box = new QDialog(parent);
    box->setObjectName(name);
    box->setWindowTitle(title);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

QDialogButtonBox* closeButton(QDialog* box)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, box, &QDialog::reject);
    return buttons;
}

// A fact's field with its Copy button.
QLayout* copyableLine(const QString& text, const QString& name, QWidget* parent)
{
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setCursorPosition(0);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(text) + 16);
    auto* copy = new QPushButton(u"Copy"_s, parent);
    copy->setAutoDefault(false);
    QObject::connect(copy, &QPushButton::clicked, field,
        [text] { QGuiApplication::clipboard()->setText(text); });
    auto* line = new QHBoxLayout;
    line->addWidget(field, 1);
    line->addWidget(copy);
    return line;
}

} // namespace

QDialog* makeAboutBox(const QString& title, const AboutFacts& facts, QWidget* parent)
{
    QDialog* box = makeBox(u"About "_s + title, u"DlgAbout"_s, parent);
    auto* heading = new QLabel(u"<b>%1</b>"_s.arg(title.toHtmlEscaped()), box);
    auto* form = new QFormLayout;
    const std::array<std::pair<QString, QString>, 5> rows { {
        { u"Version"_s, facts.version },
        { u"Qt"_s, facts.qtVersion },
        { u"Licence"_s, facts.licence },
        { u"Configuration file"_s, facts.configurationFile },
        { u"History folder"_s, facts.historyFolder },
    } };
    for (const auto& [caption, text] : rows)
        form->addRow(caption, copyableLine(text, caption, box));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addWidget(closeButton(box));
    return box;
}

QDialog* makeTextBox(const QString& title, const QString& text, QWidget* parent)
{
    QDialog* box = makeBox(title, u"DlgText"_s, parent);
    auto* view = new QPlainTextEdit(text, box);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Wide enough for the longest line, as tall as the screen allows.
    const QFontMetrics metrics(view->font());
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    view->setMinimumWidth(widest + 40);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(view);
    layout->addWidget(closeButton(box));
    QSize size(widest + 70, 40 * metrics.height());
    if (parent && parent->screen())
        size = size.boundedTo(parent->screen()->availableGeometry().size() * 9 / 10);
    box->resize(size);
    return box;
}
