#pragma once

#include "datafiles.h"
#include "deviceoperations.h"
#include "logwindow.h"
#include "messageexchange.h"
#include "samplestore.h"
#include "settingimage.h"

#include <QObject>
#include <QPointer>

class AppContext;
class MainWindow;
class SettingValues;

// Carries out what the main window asks for and shows how it ended: owns the
// exchange with the controller, the operations, the sample store and the log
// window, and turns every outcome into the window's messages and states.
class MainController : public QObject, public DataFileHost {
    Q_OBJECT
public:
    MainController(AppContext& context, MainWindow& window, SettingValues& values);

    MessageExchange& exchange() { return m_exchange; }
    DeviceOperations& operations() { return m_operations; }
    DataFiles& dataFiles() { return m_files; }
    SampleStore& store() { return m_store; }
    LogWindow* logWindow() const { return m_log; }

    void run(Command command);
    void saveSettingFile();

    // DataFileHost
    bool showSettingFile(const QString& image) override;
    void showLog() override;

private:
    void onFault(ExchangeFault fault);
    void report(Outcome outcome);
    void endOperation(Command command, Outcome outcome);
    // Says why an image was not shown; false for an image that cannot be read.
    bool reportDecode(SettingImage::DecodeStatus status);
    void refuseData();
    LogWindow& openLogWindow();

    AppContext& m_context;
    MainWindow& m_window;
    SettingValues& m_values;
    MessageExchange m_exchange;
    SampleStore m_store;
    DeviceOperations m_operations;
    DataFiles m_files;
    QPointer<LogWindow> m_log;
};
