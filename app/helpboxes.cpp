#include "helpboxes.h"

#include "scriptfonts.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
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

namespace {

// A help box that sets its texts again when the language changes.
class HelpBox : public QDialog {
public:
    HelpBox(const QString& name, QWidget* parent)
        : QDialog(parent)
    {
        setObjectName(name);
        setAttribute(Qt::WA_DeleteOnClose);
    }
    // Sets the texts now and in each language shown later.
    void setRetranslate(std::function<void()> retranslate)
    {
        m_retranslate = std::move(retranslate);
        m_retranslate();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange && m_retranslate)
            m_retranslate();
        QDialog::changeEvent(event);
    }

private:
    std::function<void()> m_retranslate;
};

struct HelpBoxes {
    Q_DECLARE_TR_FUNCTIONS(HelpBoxes)
};

QDialogButtonBox* closeButton(QDialog* box)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, box, &QDialog::reject);
    return buttons;
}

// A fact's field with its Copy button.
QLayout* copyableLine(QLineEdit* field, QPushButton* copy)
{
    field->setReadOnly(true);
    copy->setAutoDefault(false);
    QObject::connect(copy, &QPushButton::clicked, field,
        [field] { QGuiApplication::clipboard()->setText(field->text()); });
    auto* line = new QHBoxLayout;
    line->addWidget(field, 1);
    line->addWidget(copy);
    return line;
}

void showFact(QLineEdit* field, const QString& text)
{
    field->setText(text);
    field->setCursorPosition(0);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(text) + 16);
}

// The Windows package ships Qt's DLLs, and with them its licence and the
// notice of where Qt's source is.
QString licenceText()
{
#ifdef Q_OS_WIN
    return HelpBoxes::tr("No licence stated by the authors yet; Qt under the GNU LGPL v3: "
                         "licenses\\LGPL-3.0.txt, its source: licenses\\qt-source.txt");
#else
    return HelpBoxes::tr("No licence stated by the authors yet; Qt under the GNU LGPL v3");
#endif
}

} // namespace

QDialog* makeAboutBox(const QString& title, const AboutFacts& facts, QWidget* parent)
{
    auto* box = new HelpBox(u"DlgAbout"_s, parent);
    auto* heading = new QLabel(u"<b>%1</b>"_s.arg(title.toHtmlEscaped()), box);
    auto* form = new QFormLayout;
    // The fields are named by their English captions.
    const std::array<const char*, 5> captions { QT_TRANSLATE_NOOP("HelpBoxes", "Version"),
        QT_TRANSLATE_NOOP("HelpBoxes", "Qt"), QT_TRANSLATE_NOOP("HelpBoxes", "Licence"),
        QT_TRANSLATE_NOOP("HelpBoxes", "Configuration file"),
        QT_TRANSLATE_NOOP("HelpBoxes", "History folder") };
    std::array<QLabel*, 5> labels {};
    std::array<QLineEdit*, 5> fields {};
    std::array<QPushButton*, 5> copies {};
    for (size_t i = 0; i < captions.size(); ++i) {
        labels[i] = new QLabel(box);
        fields[i] = new QLineEdit(box);
        fields[i]->setObjectName(QString::fromLatin1(captions[i]));
        copies[i] = new QPushButton(box);
        form->addRow(labels[i], copyableLine(fields[i], copies[i]));
    }
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addWidget(closeButton(box));
    box->setRetranslate([=] {
        box->setWindowTitle(HelpBoxes::tr("About %1").arg(title));
        const std::array<QString, 5> texts { facts.version, facts.qtVersion, licenceText(),
            facts.configurationFile, facts.historyFolder };
        for (size_t i = 0; i < captions.size(); ++i) {
            labels[i]->setText(HelpBoxes::tr(captions[i]));
            showFact(fields[i], texts[i]);
            copies[i]->setText(HelpBoxes::tr("Copy"));
        }
    });
    return box;
}

QDialog* makeTextBox(const QString& title, const std::function<QString()>& text, QWidget* parent)
{
    auto* box = new HelpBox(u"DlgText"_s, parent);
    box->setWindowTitle(title);
    auto* view = new QPlainTextEdit(box);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(view);
    layout->addWidget(closeButton(box));
    box->setRetranslate([view, text] {
        view->setFont(
            ScriptFonts::fixed(QFontDatabase::systemFont(QFontDatabase::FixedFont).pointSizeF()));
        view->setPlainText(text());
    });
    // Wide enough for the longest line, as tall as the screen allows.
    const QFontMetrics metrics(view->font());
    int widest = 0;
    for (const QString& line : view->toPlainText().split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    view->setMinimumWidth(widest + 40);
    QSize size(widest + 70, 40 * metrics.height());
    if (parent && parent->screen())
        size = size.boundedTo(parent->screen()->availableGeometry().size() * 9 / 10);
    box->resize(size);
    return box;
}
