#pragma once

#include <QString>

class ExchangeHost;
class MessageExchange;
class OperationView;

// The five operations behind the main window's command buttons: each runs from
// start to end inside its click, pumping events while it waits.
class DeviceOperations {
public:
    DeviceOperations(MessageExchange& exchange, ExchangeHost& host, OperationView& view);

    void CmdTzCom_Click(int index);

    static QString tooltip(int index);
    const QString& WriteData() const { return m_writeData; }

private:
    void Read();
    void WriteSettings();
    void VerifyWrite();
    void DefaultWrite();
    void Get();
    void Clear();
    void EndOperation();
    // A read whose result matters: a reply of the wrong length is a failure too.
    bool readSettings();

    MessageExchange& m_exchange;
    ExchangeHost& m_host;
    OperationView& m_view;
    QString m_writeData;
};
