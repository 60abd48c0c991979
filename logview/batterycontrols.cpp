#include "batterycontrols.h"

#include "objectnames.h"
#include "prompts.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>

namespace {

constexpr std::array Chemistries { Chemistry::LiPo, Chemistry::LiFe, Chemistry::NiMH };

int cellsOf(const SampleStore& store, Chemistry chemistry)
{
    const CellCount count = CellCounting::count(store, chemistry);
    return count.state == CellCount::State::Counted ? count.cells : 0;
}

} // namespace

BatteryControls::BatteryControls(QWidget* window, const SampleStore& store, LogScene& scene)
    : QObject(window)
    , m_store(store)
    , m_scene(scene)
    , m_chemistry(new QComboBox(window))
    , m_cells(new QSpinBox(window))
{
    m_chemistry->setObjectName(ObjectName::ChemistryBox);
    m_chemistry->addItem(QString());
    for (const Chemistry chemistry : Chemistries)
        m_chemistry->addItem(CellCounting::chemistryName(chemistry));
    connect(m_chemistry, &QComboBox::activated, this, &BatteryControls::chooseChemistry);
    m_cells->setObjectName(ObjectName::CellsBox);
    // "4S", as packs are named; 0 while the count is not known.
    m_cells->setRange(0, 30);
    m_cells->setSuffix(u"S"_qs);
    m_cells->setSpecialValueText(u"?S"_qs);
    connect(m_cells, &QSpinBox::valueChanged, this, [this](int cells) {
        m_scene.cells = cells;
        emit changed();
    });
}

void BatteryControls::retranslate()
{
    m_chemistry->setItemText(0, tr("Chemistry"));
    m_chemistry->setToolTip(tr("The pack's chemistry: the cells follow from the log at rest"));
    showCountTip();
}

void BatteryControls::showCountTip()
{
    m_cells->setToolTip(m_count && m_scene.chemistry
            ? CellCounting::text(*m_count, *m_scene.chemistry)
            : tr("Cells in series"));
}

void BatteryControls::setChemistry(std::optional<Chemistry> chemistry, ChemistryKeeper keep)
{
    m_keep = std::move(keep);
    m_scene.chemistry = chemistry;
    const auto* at = chemistry ? std::find(Chemistries.begin(), Chemistries.end(), *chemistry)
                               : Chemistries.end();
    m_chemistry->setCurrentIndex(at == Chemistries.end() ? 0 : int(at - Chemistries.begin()) + 1);
}

void BatteryControls::chooseChemistry(int index)
{
    if (index <= 0)
        return;
    m_scene.chemistry = Chemistries[size_t(index - 1)];
    if (m_keep)
        m_keep(*m_scene.chemistry);
    countCells(true);
    emit changed();
}

void BatteryControls::countCells(bool ask)
{
    if (!m_scene.chemistry)
        return;
    const Chemistry chemistry = *m_scene.chemistry;
    if (m_scene.overlay)
        m_scene.overlay->cells = cellsOf(m_scene.overlay->store, chemistry);
    const CellCount count = CellCounting::count(m_store, chemistry);
    m_count = count;
    showCountTip();
    int cells = 0;
    if (count.state == CellCount::State::Counted)
        cells = count.cells;
    // The count the user picked for the last log stays while it fits.
    else if (count.state == CellCount::State::Ambiguous && count.candidates.contains(m_scene.cells))
        cells = m_scene.cells;
    m_pending = (ask || m_pending) && count.state == CellCount::State::Ambiguous && cells == 0;
    const QSignalBlocker quiet(m_cells);
    m_cells->setValue(cells);
    m_scene.cells = cells;
    // Once the log is on screen and whatever showed it has ended.
    if (m_pending)
        QTimer::singleShot(0, this, &BatteryControls::askPending);
}

void BatteryControls::setOperationRunning(bool running)
{
    m_running = running;
    if (!running && m_pending)
        QTimer::singleShot(0, this, &BatteryControls::askPending);
}

void BatteryControls::askPending()
{
    if (!m_pending || m_running || m_asked || !m_prompts || !m_count || !m_scene.chemistry)
        return;
    m_pending = false;
    m_asked = true;
    QStringList items;
    for (const int n : m_count->candidates)
        items << u"%1S"_qs.arg(n);
    const std::optional<int> chosen
        = m_prompts->askChoice(CellCounting::text(*m_count, *m_scene.chemistry), items);
    if (!chosen)
        return;
    const QSignalBlocker quiet(m_cells);
    m_cells->setValue(m_count->candidates.value(*chosen));
    m_scene.cells = m_cells->value();
    emit changed();
}
