#pragma once

#include "imagerecorder.h"
#include "logrecorder.h"
#include "operation.h"

#include <QObject>
#include <QString>
#include <utility>
#include <vector>

class MessageExchange;
class SettingValues;
struct SampleStore;

// The five operations on the controller: each runs from start to end inside
// run(), events running while it waits, and says how it ended. The setting
// values and the sample store receive what the controller sends.
class DeviceOperations : public QObject {
    Q_OBJECT
public:
    DeviceOperations(MessageExchange& exchange, SettingValues& values, SampleStore& store,
        QObject* parent = nullptr);

    Outcome run(Command command);
    bool isRunning() const { return m_running; }
    // Where every image from and to the controller is kept; none by default.
    void setRecorder(ImageRecorder* recorder) { m_recorder = recorder; }
    // Where every log fetched is kept; none by default.
    void setLogRecorder(LogRecorder* recorder) { m_logRecorder = recorder; }

signals:
    // A setting image came from the controller.
    void imageRead(const QString& image);
    // A setting image went to the controller after "sw".
    void imageWritten(const QString& image);
    // The controller a change starts from held other settings than the
    // image the values were compared against (another controller on the
    // line, or one changed elsewhere): heldImage is what it held, entry the
    // history entry that keeps it, empty when none does.
    void controllerReplaced(const QString& heldImage, const QString& entry);
    // True from the command that changes the controller ("sw", "ae", "be")
    // until the read or reply that ends the change, then false: stopped in
    // between, the operation leaves the controller in a state nobody knows.
    void changingController(bool changing);

private:
    void read();
    void write();
    void defaultWrite();
    void get();
    void clear();
    // A read that fills the controller image; false when none came.
    bool readImage(ImageRecorder::Kind kind = ImageRecorder::Kind::Read);
    // A read whose failure ends the operation, even one the exchange let pass.
    bool readOrFail(ImageRecorder::Kind kind = ImageRecorder::Kind::Read);
    // The read every change starts from: the controller on the line now,
    // kept on disk before anything changes it. False ends the operation.
    bool readBeforeChange(ImageRecorder::Kind kind);
    // False, with the outcome, unless the controller is of this model.
    bool thisModel();
    void showControllerImage();
    // The first failure is the operation's outcome: no later step undoes it.
    void fail(Outcome outcome)
    {
        if (m_outcome == Outcome::Completed)
            m_outcome = outcome;
    }
    // What the controller is about to lose goes to disk before the command.
    // Names the history entry that keeps it, empty when none does.
    QString keepNow(ImageRecorder::Kind kind, const QString& image);
    // The rest waits for the end of the operation, out of the exchanges' way.
    void keepLater(ImageRecorder::Kind kind, const QString& image);
    void keepPending();

    MessageExchange& m_exchange;
    SettingValues& m_values;
    SampleStore& m_store;
    Outcome m_outcome = Outcome::Completed;
    bool m_running = false;
    ImageRecorder* m_recorder = nullptr;
    LogRecorder* m_logRecorder = nullptr;
    std::vector<std::pair<ImageRecorder::Kind, QString>> m_pending;
};
