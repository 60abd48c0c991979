#include "logviewbench.h"

#include "logpicture.h"
#include "logreply.h"
#include "logwindow.h"
#include "samplestore.h"

#include <QElapsedTimer>
#include <QPointer>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int Rounds = 40;

// A plausible run: voltage sagging under a current that rises and falls.
QString sampleReply()
{
    QString reply = QStringLiteral("br");
    for (int n = 1; n <= SampleStore::Count; ++n) {
        const int volt = 0x70 - (n % 64) / 4;
        const int cur = (n * 7) % 0xA0;
        reply += QStringLiteral("%1%2")
                     .arg(volt, 2, 16, QLatin1Char('0'))
                     .arg(cur, 2, 16, QLatin1Char('0'))
                     .toUpper();
    }
    return reply + u'\r';
}

double medianMs(const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < Rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

QList<BenchRow> logViewBench()
{
    SampleStore store;
    std::array<int16_t, 2> scaleLine { 1, 1 };
    const QString reply = sampleReply();
    QPointer<LogWindow> log = new LogWindow(
        store, scaleLine, [](int, bool) {}, nullptr);
    decodeLogReply(reply, store);
    log->showStore();
    auto* picture = log->findChild<LogPicture*>(QStringLiteral("PicLog"));

    const double redraw = medianMs([&] {
        decodeLogReply(reply, store);
        log->showStore();
        picture->repaint();
    });

    log->resize(1920, 1080);
    const double layout = medianMs([&] { log->relayout(); });

    delete log;
    return {
        { QStringLiteral("log window layout and redraw at 1920x1080 px"), layout,
            QStringLiteral("ms"), 5 },
        { QStringLiteral("log reply decode to redrawn graph"), redraw, QStringLiteral("ms"), 20 },
    };
}
