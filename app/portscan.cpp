#include "portscan.h"

#include "portname.h"
#include "systemprobe.h"

#include <QMutex>
#include <QThreadPool>
#include <QTimer>

namespace {

// Enough threads that a port holding its open keeps none of the others
// waiting. Never destroyed: a port that holds its open (a Bluetooth port can,
// for minutes) must not hold the program's exit; the system closes what a
// probe still holds.
QThreadPool& probePool()
{
    static QThreadPool* const pool = [] {
        auto* threads = new QThreadPool;
        threads->setMaxThreadCount(PortName::LastNumber + 1);
        return threads;
    }();
    return *pool;
}

} // namespace

// How the workers reach the scan while it lives.
class PortScan::Channel {
public:
    explicit Channel(PortScan* scan)
        : m_scan(scan)
    {
    }
    // Calls call on the scan's thread, unless the scan is gone by then (the
    // call, posted to the scan, goes with it).
    void post(std::function<void(PortScan&)> call)
    {
        const QMutexLocker lock(&m_mutex);
        if (m_scan)
            QMetaObject::invokeMethod(
                m_scan, [scan = m_scan, call] { call(*scan); }, Qt::QueuedConnection);
    }
    void close()
    {
        const QMutexLocker lock(&m_mutex);
        m_scan = nullptr;
    }

private:
    QMutex m_mutex;
    PortScan* m_scan;
};

PortScan::PortScan(
    std::shared_ptr<const SystemProbe> probe, std::function<QString(int)> deviceOf, QObject* parent)
    : QObject(parent)
    , m_probe(std::move(probe))
    , m_deviceOf(std::move(deviceOf))
    , m_channel(std::make_shared<Channel>(this))
{
}

PortScan::~PortScan() { m_channel->close(); }

void PortScan::start()
{
    probePool().start([channel = m_channel, probe = m_probe, deviceOf = m_deviceOf] {
        const QList<PortReport::Entry> entries = PortReport::listed(*probe, deviceOf);
        channel->post([entries](PortScan& scan) { scan.probe(entries); });
    });
}

void PortScan::probe(const QList<PortReport::Entry>& entries)
{
    for (PortReport::Entry entry : entries) {
        if (PortName::ofDevice(entry.device).kind() == PortName::Kind::Network) {
            // A connection may take seconds; the user chose the port by naming it.
            entry.state = PortReport::State::Opens;
            emit found(entry);
            continue;
        }
        m_waiting.insert(entry.portNo, entry);
        probePool().start([channel = m_channel, probe = m_probe, entry]() mutable {
            PortReport::check(*probe, entry);
            channel->post([entry](PortScan& scan) { scan.answer(entry); });
        });
    }
    QTimer::singleShot(AnswerTimeMs, this, &PortScan::timeUp);
}

void PortScan::answer(const PortReport::Entry& entry)
{
    if (m_waiting.remove(entry.portNo))
        emit found(entry);
}

void PortScan::timeUp()
{
    const QMap<int, PortReport::Entry> late = std::exchange(m_waiting, {});
    for (PortReport::Entry entry : late) {
        entry.state = PortReport::State::NoAnswer;
        emit found(entry);
    }
}
