#pragma once

#include "datafiles.h"
#include "deviceoperations.h"
#include "frmlog.h"
#include "messageexchange.h"
#include "operationview.h"
#include "samplestore.h"

#include <QObject>
#include <QPointer>
#include <QStringView>

class FrmMain;
class TestRC;

// Carries out what the main window's buttons and file menus ask for: owns the
// exchange with the controller, the operations, the sample store and the log
// window, and puts setting images into the parameter rows.
class MainCommands : public QObject, public OperationView, public DataFileHost {
    Q_OBJECT
public:
    MainCommands(TestRC& rc, FrmMain& frm);

    MessageExchange& exchange() { return m_exchange; }
    DeviceOperations& operations() { return m_operations; }
    DataFiles& dataFiles() { return m_files; }
    SampleStore& store() { return m_store; }
    FrmLog* logWindow() const { return m_log; }

    // OperationView
    void setCommandEnabled(int index, bool enabled) override;
    void focusCommand(int index) override;
    bool portOpen() const override;
    bool firstBoxEmpty() const override;
    void ClearSettingDisplay() override;
    void ShowSettingData() override;
    std::optional<QString> MakeWriteData() override;
    void SetGraph() override;

    // DataFileHost
    bool ShowBufferData(const QString& image) override;
    void SetGraphFile() override;

    void mnuSave_Click();

private:
    // False when a field cannot be read; nothing is changed then.
    bool decodeIntoWindow(QStringView image);
    FrmLog& openLogWindow();

    TestRC& m_rc;
    FrmMain& m_frm;
    MessageExchange m_exchange;
    DeviceOperations m_operations;
    SampleStore m_store;
    DataFiles m_files;
    QPointer<FrmLog> m_log;
    // The image last shown, for the bytes a write keeps when nothing was read.
    QString m_lastDecoded;
};
