#pragma once

#include "appstate.h"

#include <QString>
#include <cstdint>
#include <functional>

class ExchangeHost;
class IniFile;
class SerialLine;
class QWidget;

// The procedures shared by all windows: configuration file, port opening and
// the message line.
class TestRC {
public:
    static const QString Missing; // "Error": what a read yields for a missing key
    static const QString PortClosedText; // "ComPort cannot be opened."
    static const QString PortOpenedText; // "CommPort was initialized."

    TestRC(AppState& state, SerialLine& line);

    AppState& state() { return m_state; }
    const AppState& state() const { return m_state; }
    SerialLine& line() { return m_line; }

    // "Version" + major + "." + minor + revision, e.g. Version1.00.
    static QString MakeVersionText(int major, int minor, int revision);

    // The configuration file: beside the program while its folder takes
    // writes (a portable copy), otherwise in the user's configuration folder.
    // Decided on first use so that reads and writes of one run share a file.
    QString iniPath() const;
    static QString chooseIniPath(const QString& appPath, const QString& fileName);
    QString ReadIniKey(const QString& section, const QString& key) const;
    void WriteIniKey(const QString& section, const QString& key, const QString& value);

    // Device path behind port number portNo (1 = the first port).
    QString portDevice(int portNo) const;

    void LoadConfig();
    void OpenPort();

    // The message line of the main window; ignored until there is one.
    void ShowMessage(const QString& text, uint32_t colour);
    void setHost(ExchangeHost* host) { m_host = host; }

    // Shows the port dialog modally; by default a frmConfig over dialogParent.
    void ShowPortDialog();
    void setPortDialog(std::function<void()> dialog) { m_portDialog = std::move(dialog); }
    void setDialogParent(QWidget* parent) { m_dialogParent = parent; }

private:
    IniFile ini() const;

    AppState& m_state;
    SerialLine& m_line;
    ExchangeHost* m_host = nullptr;
    QWidget* m_dialogParent = nullptr;
    std::function<void()> m_portDialog;
    mutable QString m_iniPathFor; // the program folder m_iniPath was chosen for
    mutable QString m_iniPath;
};
