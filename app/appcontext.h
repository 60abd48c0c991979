#pragma once

#include "appstate.h"
#include "portname.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

class Configuration;
class Prompts;
class SystemProbe;
class SerialLine;
class QWidget;

// What all windows share: the configuration file, the port and its opening,
// and the message line.
class AppContext {
    Q_DECLARE_TR_FUNCTIONS(AppContext)
public:
    static QString portClosedText(); // "ComPort cannot be opened."
    static QString portOpenedText(); // "CommPort was initialized."
    static QString demoOpenedText(); // "Demo controller connected."

    enum class DialogAnswer { Ok, Cancel, Closed };
    using MessageLine = std::function<void(const MessageText& text, MessageTone tone)>;
    using PortDialogRunner = std::function<DialogAnswer()>;

    AppContext(AppState& state, SerialLine& line);

    AppState& state() { return m_state; }
    const AppState& state() const { return m_state; }
    SerialLine& line() { return m_line; }

    // "Version" + major + "." + minor + revision, e.g. Version1.00.
    static QString makeVersionText(int major, int minor, int revision);

    // The configuration file: beside the program while its folder takes
    // writes (a portable copy), otherwise in the user's configuration folder.
    QString iniPath() const;
    // A failed write stays silent: the value in memory serves this run.
    void setPortNumber(int16_t number);
    // The demo controller instead of a port number: "CommPort=demo".
    void chooseDemo();
    // The log window's scale line flags live in the state; this keeps one.
    void storeScaleLine(int index, bool on);
    // The pack chemistry named in the log window: "lipo"...; empty for none.
    QString chemistry() const;
    void storeChemistry(const QString& code);
    // The language the user picked: "system", "en" or "ja"; empty for none.
    QString language() const;
    void storeLanguage(const QString& code);

    // The devices the configuration names for port numbers.
    PortOverrides portOverrides() const;
    // The port chosen now; none for the number 0.
    PortName currentPort() const;
    // Its device: "demo" for the demo controller.
    QString currentDevice() const { return currentPort().device(); }
    bool demoConnected() const;

    void loadConfig();
    void openPort();
    // Called each time openPort() has opened the line.
    void setPortOpened(std::function<void()> hook) { m_portOpened = std::move(hook); }
    // False when the user's last answer to the port dialog was Cancel.
    bool portWanted() const { return !m_portCancelled; }

    void showMessage(const MessageText& text, MessageTone tone) const;
    void showMessage(const QString& text, MessageTone tone) const;
    void setMessageLine(MessageLine line) { m_messageLine = std::move(line); }

    // Shows the port dialog modally; its close box keeps the earlier answer.
    void showPortDialog();
    void setPortDialog(PortDialogRunner dialog) { m_portDialog = std::move(dialog); }
    void setDialogParent(QWidget* parent) { m_dialogParent = parent; }
    // Where the port dialog's own messages go; unset, they are boxes over it.
    Prompts* prompts() const { return m_prompts; }
    void setPrompts(Prompts* prompts) { m_prompts = prompts; }
    // What the port dialog asks whether a port opens, on workers: the
    // machine itself unless set.
    std::shared_ptr<const SystemProbe> portProbe() const;
    void setPortProbe(std::shared_ptr<const SystemProbe> probe) { m_portProbe = std::move(probe); }

private:
    Configuration configuration() const;

    AppState& m_state;
    SerialLine& m_line;
    MessageLine m_messageLine;
    QWidget* m_dialogParent = nullptr;
    Prompts* m_prompts = nullptr;
    std::shared_ptr<const SystemProbe> m_portProbe;
    PortDialogRunner m_portDialog;
    std::function<void()> m_portOpened;
    bool m_portCancelled = false;
    mutable QString m_iniPathFor; // the program folder m_iniPath was chosen for
    mutable QString m_iniPath;
};
