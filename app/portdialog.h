#pragma once

#include "appcontext.h"

#include <QDialog>
#include <QMap>

class ControllerQuestion;
namespace PortReport {
struct Entry;
}
class QComboBox;
class QLabel;
class QPushButton;

// The modal port dialog: lists the ports that open right now, as their
// answers come from workers; a pick takes effect at once, OK or Cancel only
// tell the caller whether to go on, neither waiting for a port's answer.
class PortDialog : public QDialog {
    Q_OBJECT
public:
    static QString notFoundText(); // "Not found"
    static QString demoText(); // "Demo controller", always listed

    explicit PortDialog(AppContext& context, QWidget* parent = nullptr);

    // Shows the dialog modally and says how it was left.
    AppContext::DialogAnswer run();
    // Also stops Diagnose's question to the controller.
    void reject() override;

    QComboBox* portList() const { return m_combo; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    // Shows the connection doctor's findings for the port picked, the
    // controller's answer to "sr" on it among them.
    QPushButton* diagnoseButton() const { return m_diagnose; }
    // Below the list: the devices that exist but refused to open, and why,
    // and those that gave no answer in time.
    QLabel* refusedLabel() const { return m_refused; }

protected:
    // Escape is Cancel; only the close box keeps the earlier answer.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void listPorts();
    void onFound(const PortReport::Entry& entry);
    void showRefused();
    void fitListWidth();
    // number: the port number the entry stands for; 0 for none.
    void addEntry(const QString& text, const QString& tooltip, int number = 0);
    // A port that opens: serial ones in order before the demo, network ones after it.
    void addPort(int number, const QString& tooltip, bool network);
    void pick(int index);
    void cancel();
    void diagnose();

    AppContext& m_context;
    AppContext::DialogAnswer m_answer = AppContext::DialogAnswer::Closed;
    QPushButton* m_ok = nullptr;
    QComboBox* m_combo = nullptr;
    QLabel* m_label = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_diagnose = nullptr;
    QLabel* m_refused = nullptr;
    ControllerQuestion* m_question = nullptr; // while Diagnose waits for the controller
    // "Com3 (/dev/ttyUSB2)" by port number.
    QMap<int, QString> m_denied;
    QMap<int, QString> m_inUse;
    QMap<int, QString> m_silent; // no answer in time
    bool m_chosen = false; // the user picked an entry: answers no longer select one
};
