#include "maincontroller.h"

#include "appcontext.h"
#include "changeengine.h"
#include "commandhelp.h"
#include "helpboxes.h"
#include "logchooser.h"
#include "mainwindow.h"
#include "numbertext.h"
#include "outcometext.h"
#include "parameterboxes.h"
#include "placement.h"
#include "prompts.h"
#include "serialline.h"
#include "settingvalues.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

MainController::MainController(AppContext& context, MainWindow& window, SettingValues& values)
    : m_context(context)
    , m_window(window)
    , m_values(values)
    , m_exchange(context.line())
    , m_operations(m_exchange, values, m_store)
    , m_files(window.prompts(), *this, m_store)
    , m_port(context)
    , m_notice(window, [this] { return m_operations.isRunning(); })
{
    connect(&m_window, &MainWindow::commandClicked, this, &MainController::run);
    connect(&m_window, &MainWindow::closing, this, [this] {
        m_port.close();
        m_exchange.abort();
    });
    connect(&m_window, &MainWindow::choosePortWanted, &m_port, &PortChoice::choose);
    // Another controller may be behind the port when it opens again.
    connect(&m_port, &PortChoice::closed, &m_values, &SettingValues::forgetController);
    connect(&m_port, &PortChoice::changed, this, &MainController::showPort);
    connect(&m_window, &MainWindow::openSettingFile, this,
        [this] { m_files.openDataFile(DataFiles::Kind::Setting); });
    connect(&m_window, &MainWindow::saveSettingFile, this, &MainController::saveSettingFile);
    connect(&m_window, &MainWindow::openLogFile, this,
        [this] { m_files.openDataFile(DataFiles::Kind::Log); });
    connect(&m_window, &MainWindow::saveLogFile, this, [this] { m_files.saveLog(); });
    connect(&m_window, &MainWindow::compareLogFile, this, &MainController::compareLog);
    connect(&m_exchange, &MessageExchange::faulted, this, &MainController::onFault);
    connect(&m_exchange, &MessageExchange::lampChanged, &m_window, &MainWindow::setLamp);
    connect(&m_operations, &DeviceOperations::controllerReplaced, this,
        [this](const QString&, const QString& entry) { addNote(replacedControllerText(entry)); });
    connect(&m_context.line(), &SerialLine::lost, this, [this] {
        m_portLost = true;
        if (!m_operations.isRunning())
            m_window.messageLine()->setToolTip(portLostText());
    });
    connect(&m_window, &MainWindow::showHistory, this, &MainController::showHistory);
    connect(&m_window, &MainWindow::aboutWanted, this, &MainController::showAbout);
    connect(&m_window, &MainWindow::commandLineHelpWanted, this,
        [this] { makeTextBox(u"tz586kv --help"_qs, programHelp, &m_window)->show(); });
}

void MainController::setHistory(HistoryStore* history)
{
    // The window shows one store; another's entries must not appear in it.
    if (m_historyWindow && history != m_history)
        delete m_historyWindow;
    m_history = history;
    if (history)
        m_recorder.emplace(*history, [this] { return m_context.currentDevice(); });
    else
        m_recorder.reset();
    m_operations.setRecorder(m_recorder ? &*m_recorder : nullptr);
    m_operations.setLogRecorder(m_recorder ? &*m_recorder : nullptr);
}

void MainController::run(Command command)
{
    if (m_operations.isRunning())
        return;
    m_running = true;
    m_window.setOperationRunning(true);
    updateButtons(true);
    // Its "Load" is File > Open's twin, which is off too.
    if (m_historyWindow)
        m_historyWindow->setEnabled(false);
    if (m_log)
        m_log->setOperationRunning(true);
    m_window.showMessage(
        [command] { return MainWindow::commandTooltip(command); }, MessageTone::Normal);
    m_notes.clear();
    m_portLost = false;
    // What went out and what came back last, for a failed verify.
    QString written;
    QString readBack;
    const QMetaObject::Connection writes = connect(&m_operations, &DeviceOperations::imageWritten,
        this, [&written](const QString& i) { written = i; });
    const QMetaObject::Connection reads = connect(&m_operations, &DeviceOperations::imageRead, this,
        [&readBack](const QString& i) { readBack = i; });
    const Outcome outcome = m_operations.run(command);
    disconnect(writes);
    disconnect(reads);
    // The program is ending: leave everything as it is.
    if (outcome == Outcome::Aborted)
        return;
    report(command, outcome);
    if (command == Command::Get && outcome == Outcome::Completed)
        showFetchedLog();
    endOperation(command, outcome);
    if (outcome == Outcome::VerifyFailed)
        showDifferences(written, readBack);
    if (m_portLost)
        addNote(portLostText());
}

void MainController::addNote(const QString& note)
{
    m_notes.append(note);
    // The tooltip gathers the notes of the operation under its last message.
    if (!m_operations.isRunning())
        m_window.messageLine()->setToolTip(m_notes.join(u'\n'));
}

bool MainController::writeAllowed() const
{
    return m_context.line().isOpen() && !m_values.isEmpty() && !m_writeRefused && !m_writeWaits;
}

void MainController::updateButtons(bool running)
{
    const bool open = !running && m_context.line().isOpen();
    m_window.enableCommands(open, open && writeAllowed());
}

void MainController::showPort()
{
    // Another controller may be on the port now: Write waits until an
    // operation or a file shows what goes to it.
    m_writeWaits = true;
    updateButtons(m_operations.isRunning());
    m_window.showDemoConnected(m_context.demoConnected());
}

QString MainController::portLostText()
{
    return tr("The port was lost and has been closed; ComPort connects it again.");
}

void MainController::showOutcome(Outcome outcome)
{
    m_window.showMessage([outcome] { return outcomeText(outcome); }, MessageTone::Failure);
}

void MainController::onFault(ExchangeFault fault)
{
    const Outcome outcome = outcomeOf(fault);
    if (fault == ExchangeFault::BrokenImage) {
        showOutcome(outcome);
        return;
    }
    m_window.prompts().message(outcomeText(outcome),
        fault == ExchangeFault::NoAnswer ? Prompts::Icon::Warning : Prompts::Icon::Information);
    if (!m_exchange.aborted())
        showOutcome(outcome);
}

void MainController::report(Command command, Outcome outcome)
{
    const bool refusedWrite = command == Command::Write
        && (outcome == Outcome::Deleted || outcome == Outcome::OtherModel);
    if (refusedWrite) {
        // Nothing was sent: say so as a failure, not as a decoded read.
        m_writeRefused = true;
        showOutcome(outcome);
        return;
    }
    switch (outcome) {
    case Outcome::Completed:
        // Each of these read a TZ586KV image last.
        if (command == Command::Read || command == Command::Write
            || command == Command::DefaultWrite)
            m_writeRefused = false;
        break;
    case Outcome::Aborted:
        break;
    case Outcome::Deleted:
        reportDecode(SettingImage::DecodeStatus::Deleted);
        break;
    case Outcome::OtherModel:
        reportDecode(SettingImage::DecodeStatus::OtherModel);
        break;
    case Outcome::DataAbnormal:
        refuseData();
        showOutcome(outcome);
        break;
    case Outcome::CommunicationFault:
    case Outcome::CannotSet:
    case Outcome::VerifyFailed:
        showOutcome(outcome);
        break;
    }
}

void MainController::showDifferences(const QString& written, const QString& readBack)
{
    QStringList lines;
    for (const ChangeEngine::Change& change : ChangeEngine::compare(written, readBack))
        lines.append(ChangeEngine::describe(change));
    m_notes.prepend(lines.join(u'\n'));
    m_window.messageLine()->setToolTip(m_notes.join(u'\n'));
}

void MainController::endOperation(Command command, Outcome outcome)
{
    // A port lost during the operation stays lost: its buttons stay off.
    m_writeWaits = false;
    updateButtons(false);
    // A read that found another model or deleted data has done its job.
    const bool decoded = command != Command::Write
        && (outcome == Outcome::Deleted || outcome == Outcome::OtherModel);
    if (outcome == Outcome::Completed || decoded)
        m_window.showMessage([] { return tr("Completion"); }, MessageTone::Normal);
    if (!m_notes.isEmpty())
        m_window.messageLine()->setToolTip(m_notes.join(u'\n'));
    m_exchange.stopLamp();
    m_running = false;
    m_window.setOperationRunning(false);
    if (m_log)
        m_log->setOperationRunning(false);
    noteHistory();
    // After "Data is abnormal!!" the focus stays on the value to correct.
    if (outcome == Outcome::DataAbnormal)
        return;
    QPushButton* button = m_window.commandButton(command);
    // A disabled "Write" cannot take the focus: "Read" takes it instead.
    if (!button->isEnabled())
        button = m_window.commandButton(Command::Read);
    if (button->isEnabled())
        button->setFocus(Qt::OtherFocusReason);
}

bool MainController::reportDecode(SettingImage::DecodeStatus status)
{
    switch (status) {
    case SettingImage::DecodeStatus::BadField:
        return false;
    case SettingImage::DecodeStatus::Deleted:
        m_window.prompts().message(outcomeText(Outcome::Deleted), Prompts::Icon::Warning);
        m_writeRefused = true;
        break;
    case SettingImage::DecodeStatus::OtherModel:
        m_window.prompts().message(outcomeText(Outcome::OtherModel), Prompts::Icon::Warning);
        m_writeRefused = true;
        break;
    case SettingImage::DecodeStatus::Ok:
        m_writeRefused = false;
        break;
    }
    m_writeWaits = false;
    updateButtons(false);
    return true;
}

bool MainController::showSettingFile(const QString& image)
{
    if (image.size() != SettingImage::Length)
        return true;
    return reportDecode(m_values.show(image));
}

void MainController::refuseData()
{
    const QString text
        = outcomeText(Outcome::DataAbnormal) + u"\r\n"_qs + tr("Please set it correctly.");
    const std::optional<ValueProblem> problem = ChangeEngine::plan(m_values).problem;
    if (!problem) {
        m_window.prompts().message(text, Prompts::Icon::Information);
        return;
    }
    // Name the first value that failed, then take the user to it.
    m_window.prompts().messageWithDetail(
        text, Prompts::Icon::Information, problem->text(TextStyle::Window));
    QLineEdit* box = m_window.boxes().valueBox(problem->parameter);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void MainController::saveSettingFile()
{
    const ChangeEngine::Plan plan = ChangeEngine::plan(m_values);
    if (plan.status != ChangeEngine::Status::Ok) {
        refuseData();
        return;
    }
    m_files.saveDataFile(DataFiles::Kind::Setting, plan.image);
}

LogWindow& MainController::openLogWindow()
{
    if (!m_log) {
        m_log = new LogWindow(
            m_store, m_context.state().scaleLines,
            [this](int index, bool on) { m_context.storeScaleLine(index, on); }, &m_window);
        m_log->setPrompts(&m_window.prompts());
        m_log->setChemistry(
            CellCounting::chemistryFromCode(m_context.chemistry()), [this](Chemistry chemistry) {
                m_context.storeChemistry(CellCounting::chemistryCode(chemistry));
            });
        // Opened by a Get: its menu and questions wait for the Get's end.
        m_log->setOperationRunning(m_running);
    }
    return *m_log;
}

void MainController::showLog(const QString& csvPath)
{
    openLogWindow().showStore(LogSource { csvPath, {}, {} });
}

void MainController::showFetchedLog()
{
    LogSource source { {}, QDateTime::currentDateTimeUtc(), m_context.currentDevice() };
    // The history's copy takes the markers; without one they last while shown.
    const bool kept = m_recorder && !m_recorder->logs().failed();
    const QString entry = kept ? m_recorder->logs().newestEntry() : QString();
    if (!entry.isEmpty())
        source.path = m_recorder->logs().root() + u'/' + entry + u".csv"_qs;
    openLogWindow().showStore(source);
}

void MainController::logSaved(const QString& path)
{
    if (m_log)
        m_log->logSaved(path);
}

void MainController::compareLog()
{
    const QList<LogHistory::Entry> entries
        = m_recorder ? m_recorder->logs().entries() : QList<LogHistory::Entry>();
    const QString shown = m_log ? m_log->scene().source.path : QString();
    if (const auto choice = LogChooser::choose(entries, shown, m_window.prompts(), &m_window))
        openLogWindow().compareWith(choice->path, choice->name);
}

void MainController::showHistory()
{
    if (!m_history)
        return;
    if (m_historyWindow) {
        m_historyWindow->refresh();
    } else {
        m_historyWindow = new HistoryWindow(
            *m_history, m_window.prompts(), [this] { return ChangeEngine::plan(m_values).image; },
            &m_window);
        connect(m_historyWindow, &HistoryWindow::loadRequested, this,
            [this](const QString& image) { showSettingFile(image); });
    }
    m_notice.drop();
    if (!m_historyWindow->isVisible())
        placeBesideMainWindow(m_historyWindow);
    m_historyWindow->show();
    m_historyWindow->raise();
    m_historyWindow->activateWindow();
}

void MainController::showAbout()
{
    const AboutFacts facts { QCoreApplication::applicationVersion(),
        QString::fromLatin1(qVersion()), QDir::toNativeSeparators(m_context.iniPath()),
        m_history ? QDir::toNativeSeparators(m_history->root()) : QString() };
    makeAboutBox(m_context.state().title, facts, &m_window)->show();
}

void MainController::placeBesideMainWindow(QWidget* window)
{
    // Beside, not over it: what Load does shows in the main window. The new
    // window's frame is taken to be as wide as the main window's.
    const QRect main = m_window.frameGeometry();
    const QSize frame = main.size() - m_window.size();
    const QRect outer = Placement::beside(window->size() + frame,
        window->minimumSizeHint().width() + frame.width(), main,
        m_window.screen()->availableGeometry());
    window->resize(outer.size() - frame);
    window->move(outer.topLeft());
}

void MainController::noteHistory()
{
    if (!m_history)
        return;
    if (m_historyWindow) {
        m_historyWindow->setEnabled(true);
        if (m_historyWindow->isVisible()) {
            m_historyWindow->refresh();
            m_notice.drop();
            return;
        }
    }
    m_notice.afterOperation(*m_history);
}
