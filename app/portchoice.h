#pragma once

#include <QObject>

class AppContext;

// Which port the window works on: the one configured at start, another one
// from the ComPort menu, none once the port is lost. Opening and its
// messages are the context's; this keeps their order.
class PortChoice : public QObject {
    Q_OBJECT
public:
    explicit PortChoice(AppContext& context, QObject* parent = nullptr);

    // The configured port, or the dialog when the configuration names none.
    void openAtStart();
    // Closes the port, asks for another and opens it.
    void choose();
    void close();

signals:
    // The port was closed, changed or lost: another controller may be behind it.
    void closed();
    // The line is now open or closed as it stays.
    void changed();

private:
    void openWanted();
    void onLost();

    AppContext& m_context;
};
