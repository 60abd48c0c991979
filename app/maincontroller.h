#pragma once

#include "datafiles.h"
#include "deviceoperations.h"
#include "historynotice.h"
#include "historyrecorder.h"
#include "historywindow.h"
#include "logwindow.h"
#include "messageexchange.h"
#include "portchoice.h"
#include "samplestore.h"
#include "settingimage.h"

#include <QObject>
#include <QPointer>
#include <optional>

class AppContext;
class MainWindow;
class SettingValues;

// Carries out what the main window asks for and shows how it ended: owns the
// exchange with the controller, the operations, the port choice, the sample
// store and the log window, and turns every outcome into the window's
// messages and states.
class MainController : public QObject, public DataFileHost {
    Q_OBJECT
public:
    MainController(AppContext& context, MainWindow& window, SettingValues& values);

    MessageExchange& exchange() { return m_exchange; }
    DeviceOperations& operations() { return m_operations; }
    DataFiles& dataFiles() { return m_files; }
    SampleStore& store() { return m_store; }
    PortChoice& portChoice() { return m_port; }
    LogWindow* logWindow() const { return m_log; }
    HistoryWindow* historyWindow() const { return m_historyWindow; }

    // Keeps every image from and to the controller; without it, none is kept.
    void setHistory(HistoryStore* history);
    HistoryNotice& historyNotice() { return m_notice; }

    void run(Command command);
    void saveSettingFile();
    void showHistory();

    // DataFileHost
    bool showSettingFile(const QString& image) override;
    void showLog(const QString& csvPath = QString()) override;
    void logSaved(const QString& path) override;
    // File > Log Data > Compare...: a log of the history or a file over the one shown.
    void compareLog();

private:
    static QString portLostText();
    // A failure's text on the message line.
    void showOutcome(Outcome outcome);
    void onFault(ExchangeFault fault);
    void report(Command command, Outcome outcome);
    // Whether Write may start: a port, values shown, and no sign that the
    // controller on it is of another model or deleted, and no port change since
    // the last operation or file. The one rule for Write.
    bool writeAllowed() const;
    // Every button follows the port and is off while an operation runs;
    // Write also follows writeAllowed().
    void updateButtons(bool running);
    // The buttons, title and Demo menu after the port opened or closed.
    void showPort();
    // Notes of the operation for the message line's tooltip.
    void addNote(const QString& note);
    // The message line's tooltip after a failed verify: each value written
    // and what was read back instead.
    void showDifferences(const QString& written, const QString& readBack);
    void endOperation(Command command, Outcome outcome);
    // Says why an image was not shown; false for an image that cannot be read.
    bool reportDecode(SettingImage::DecodeStatus status);
    void refuseData();
    LogWindow& openLogWindow();
    // After Get: the log as the history kept it, with its time and port.
    void showFetchedLog();
    void placeBesideMainWindow(QWidget* window);
    void showAbout();
    void noteHistory();

    AppContext& m_context;
    MainWindow& m_window;
    SettingValues& m_values;
    MessageExchange m_exchange;
    SampleStore m_store;
    DeviceOperations m_operations;
    DataFiles m_files;
    PortChoice m_port;
    QPointer<LogWindow> m_log;
    HistoryStore* m_history = nullptr;
    std::optional<HistoryRecorder> m_recorder;
    QPointer<HistoryWindow> m_historyWindow;
    QStringList m_notes; // of the operation that ran last
    bool m_writeRefused = false; // the controller read last is no TZ586KV
    bool m_writeWaits = false; // the port changed since the last operation or file
    bool m_portLost = false;
    bool m_running = false; // from an operation's start to the end of its ending
    HistoryNotice m_notice;
};
