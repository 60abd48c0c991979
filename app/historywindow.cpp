#include "historywindow.h"

#include "datafiles.h"
#include "imagecomparison.h"
#include "outcometext.h"
#include "prompts.h"
#include "returnkey.h"
#include "settingfile.h"
#include "settingimage.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

const QString HistoryWindow::DiffersMark = QString(QChar(0x2260));

namespace {

const QString DateFormat = u"yyyy-MM-dd HH:mm:ss"_s;
const QString NotComparable = QString(QChar(0x2014));

QPushButton* button(const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

HistoryWindow::HistoryWindow(
    HistoryStore& store, Prompts& prompts, ImageSource imageSource, QWidget* parent)
    : QDialog(parent)
    , m_store(store)
    , m_prompts(prompts)
    , m_imageSource(std::move(imageSource))
{
    buildControls();
    retranslate();
}

void HistoryWindow::retranslate()
{
    setWindowTitle(tr("Setting Data History"));
    m_table->setHorizontalHeaderLabels({ QString(), tr("Parameter"), tr("Unit"), tr("Entry"),
        tr("Window"), tr("Factory default") });
    m_load->setText(tr("Load"));
    m_saveAs->setText(tr("Save as..."));
    m_compareFile->setText(tr("Compare with file..."));
    m_compareWindow->setText(tr("Compare with window"));
    m_close->setText(tr("Close"));
    // The texts of the entries and of the store's failure too.
    refresh();
}

void HistoryWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void HistoryWindow::buildControls()
{
    m_problem = new QLabel(this);
    m_problem->setObjectName(u"LblProblem"_s);
    m_problem->setWordWrap(true);
    m_problem->hide();

    m_list = new QTreeWidget;
    m_list->setObjectName(u"LstHistory"_s);
    m_list->setRootIsDecorated(false);
    m_list->setColumnCount(DifferencesColumn + 1);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_table = new QTableWidget(0, DefaultColumn + 1);
    m_table->setObjectName(u"TblEntry"_s);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setColumnHidden(DefaultColumn, true);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_list);
    splitter->addWidget(m_table);

    m_load = button(u"CmdLoad"_s, this);
    m_saveAs = button(u"CmdSaveAs"_s, this);
    m_compareFile = button(u"CmdCompareFile"_s, this);
    m_compareWindow = button(u"CmdCompareWindow"_s, this);
    m_close = button(u"CmdClose"_s, this);
    QPushButton* close = m_close;
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : { m_load, m_saveAs, m_compareFile, m_compareWindow })
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_problem);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    resize(640, 560);

    pressOnReturn({ m_load, m_saveAs, m_compareFile, m_compareWindow, close });

    connect(m_list, &QTreeWidget::currentItemChanged, this, &HistoryWindow::showSelected);
    connect(m_load, &QPushButton::clicked, this, &HistoryWindow::loadSelected);
    connect(m_saveAs, &QPushButton::clicked, this, &HistoryWindow::saveSelectedAs);
    connect(m_compareFile, &QPushButton::clicked, this, &HistoryWindow::compareWithFile);
    connect(m_compareWindow, &QPushButton::clicked, this, &HistoryWindow::compareWithWindow);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void HistoryWindow::refresh()
{
    m_entries = m_store.entries();
    m_store.takeFailureNotice();
    m_problem->setText(m_store.failureText());
    m_problem->setVisible(m_store.failed());
    fillList();
}

void HistoryWindow::setDefaultImage(const QString& image)
{
    m_defaultImage = image;
    m_table->setColumnHidden(DefaultColumn, image.isEmpty());
    showSelected();
}

QString HistoryWindow::otherImage() const
{
    return m_file.isEmpty() ? m_imageSource() : m_fileImage;
}

const HistoryStore::Entry* HistoryWindow::selected() const
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    return row < 0 || row >= m_entries.size() ? nullptr : &m_entries[row];
}

void HistoryWindow::fillList()
{
    const int row = std::max(0, m_list->indexOfTopLevelItem(m_list->currentItem()));
    const QString other = otherImage();
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const HistoryStore::Entry& e : std::as_const(m_entries)) {
        const int n = ImageComparison::differences(e.image, other);
        auto* item = new QTreeWidgetItem(m_list,
            { e.time.toLocalTime().toString(DateFormat), HistoryStore::kindsText(e),
                e.port.isEmpty() ? NotComparable : e.port,
                tr("model %1, ROM %2").arg(e.modelCode).arg(e.romVersion),
                n < 0 ? NotComparable : QString::number(n) });
        item->setToolTip(DateColumn, QDir::toNativeSeparators(e.path));
        if (e.lastSeen > e.time)
            item->setToolTip(
                KindColumn, tr("Seen again %1").arg(e.lastSeen.toLocalTime().toString(DateFormat)));
    }
    m_list->setHeaderLabels({ tr("Date"), tr("What happened"), tr("Port"), tr("Controller"),
        m_file.isEmpty() ? tr("Values that differ")
                         : tr("Values that differ from %1").arg(QFileInfo(m_file).fileName()) });
    m_list->setCurrentItem(m_list->topLevelItem(std::min(row, m_list->topLevelItemCount() - 1)));
    showSelected();
}

void HistoryWindow::showSelected()
{
    const HistoryStore::Entry* entry = selected();
    for (QPushButton* b : { m_load, m_saveAs })
        b->setEnabled(entry);
    m_compareWindow->setEnabled(!m_file.isEmpty());
    m_table->horizontalHeaderItem(OtherColumn)
        ->setText(m_file.isEmpty() ? tr("Window") : QFileInfo(m_file).fileName());
    m_table->setRowCount(0);
    if (!entry)
        return;
    const std::vector<ImageComparison::Row> rows
        = ImageComparison::compare(entry->image, otherImage());
    const auto defaults = ImageComparison::shownTexts(m_defaultImage);
    m_table->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const ImageComparison::Row& row = rows[size_t(r)];
        const QStringList texts { row.differs ? DiffersMark : QString(), row.caption, row.unit,
            row.first, row.second, defaults[size_t(r)] };
        for (int c = 0; c < texts.size(); ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            QFont font = item->font();
            font.setBold(row.differs);
            item->setFont(font);
            if (row.differs)
                item->setToolTip(tr("Differs"));
            m_table->setItem(r, c, item);
        }
    }
}

void HistoryWindow::loadSelected()
{
    if (const HistoryStore::Entry* entry = selected()) {
        emit loadRequested(entry->image);
        // The window now holds it: its counts change.
        fillList();
    }
}

void HistoryWindow::saveSelectedAs()
{
    const HistoryStore::Entry* entry = selected();
    if (!entry)
        return;
    const QString image = entry->image;
    const QString path = m_prompts.saveFileName(DataFiles::filter(DataFiles::Kind::Setting));
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) && !m_prompts.ask(DataFiles::overwriteQuestion()))
        return;
    if (!SettingFile::save(path, image))
        m_prompts.message(DataFiles::cannotSaveText(), Prompts::Icon::Warning);
}

void HistoryWindow::compareWithFile()
{
    const QString path = m_prompts.openFileName(DataFiles::filter(DataFiles::Kind::Setting));
    if (path.isEmpty())
        return;
    const SettingFile::Loaded loaded = SettingFile::load(path);
    const SettingImage::DecodeStatus status = loaded.status == SettingFile::LoadStatus::Image
        ? SettingImage::decode(loaded.text).status
        : SettingImage::DecodeStatus::BadField;
    switch (status) {
    case SettingImage::DecodeStatus::Ok:
        m_file = path;
        m_fileImage = loaded.text;
        fillList();
        break;
    case SettingImage::DecodeStatus::Deleted:
        m_prompts.message(outcomeText(Outcome::Deleted), Prompts::Icon::Warning);
        break;
    case SettingImage::DecodeStatus::OtherModel:
        m_prompts.message(outcomeText(Outcome::OtherModel), Prompts::Icon::Warning);
        break;
    case SettingImage::DecodeStatus::BadField:
        m_prompts.message(DataFiles::troubleText(), Prompts::Icon::Error);
        break;
    }
}

void HistoryWindow::compareWithWindow()
{
    m_file.clear();
    m_fileImage.clear();
    fillList();
}
