#pragma once

#include "portreport.h"

#include <QMap>
#include <QObject>
#include <functional>
#include <memory>

class SystemProbe;

// The port dialog's look at the ports, off the window's thread: each port is
// tried on a worker of its own and its answer comes as found(); one that has
// not answered within a second is found NoAnswer and its late answer dropped.
// Destroyed while probes run, the scan leaves them to finish in the
// background and drops what they find.
class PortScan : public QObject {
    Q_OBJECT
public:
    static constexpr int AnswerTimeMs = 1000;

    // deviceOf: as PortReport::build takes it; it runs on a worker.
    PortScan(std::shared_ptr<const SystemProbe> probe, std::function<QString(int)> deviceOf,
        QObject* parent = nullptr);
    ~PortScan() override;

    void start();

signals:
    // A port and its state; a network port is found opening, unasked.
    void found(const PortReport::Entry& entry);

private:
    class Channel;

    void probe(const QList<PortReport::Entry>& entries);
    void answer(const PortReport::Entry& entry);
    void timeUp();

    std::shared_ptr<const SystemProbe> m_probe;
    std::function<QString(int)> m_deviceOf;
    std::shared_ptr<Channel> m_channel;
    QMap<int, PortReport::Entry> m_waiting; // by port number, until it answers
};
