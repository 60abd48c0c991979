#include "startupbench.h"

#include "startupchild.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

// A child's time varies by a fifth from run to run: a median of nine is steadier.
constexpr int Rounds = 9;

struct ChildFigures {
    double startMs = 0; // process creation to first paint, props excluded
    double rssKb = 0;
};

// Runs one child under the platform this program runs on.
ChildFigures runChild(const QString& exe, const QString& mode)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QGuiApplication::platformName());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 started = bootTimeNs();
    child.start(exe, { QStringLiteral("--child"), mode });
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit
        || child.exitCode() != 0) {
        QTextStream(stderr)
            << QStringLiteral("child %1 failed: exit %2\n").arg(mode).arg(child.exitCode());
        return {};
    }
    // "paint <ns> setup <ns> rss <kB>"
    const QList<QByteArray> words = child.readAllStandardOutput().simplified().split(' ');
    if (words.size() < 6)
        return {};
    const qint64 paint = words[1].toLongLong();
    const qint64 setup = words[3].toLongLong();
    return { double(paint - started - setup) / 1e6, words[5].toDouble() };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

QList<BenchRow> startupBench(const QString& benchExe)
{
    std::vector<double> minimalMs, minimalKb, mainMs, getKb;
    // Interleaved, so that a busy moment of the machine hits both sides.
    for (int i = 0; i < Rounds; ++i) {
        const ChildFigures minimal = runChild(benchExe, QStringLiteral("minimal"));
        const ChildFigures main = runChild(benchExe, QStringLiteral("main"));
        const ChildFigures get = runChild(benchExe, QStringLiteral("main-get"));
        minimalMs.push_back(minimal.startMs);
        minimalKb.push_back(minimal.rssKb);
        mainMs.push_back(main.startMs);
        getKb.push_back(get.rssKb);
    }
    const double baseMs = median(minimalMs);
    const double baseKb = median(minimalKb);
    QTextStream(stderr) << QStringLiteral(
        "start-up: minimal %1 ms, main %2 ms; resident: minimal %3 kB, main after Get %4 kB\n")
                               .arg(baseMs, 0, 'f', 1)
                               .arg(median(mainMs), 0, 'f', 1)
                               .arg(baseKb, 0, 'f', 0)
                               .arg(median(getKb), 0, 'f', 0);
    return {
        { QStringLiteral("start to first paint / minimal Qt window with one line of text"),
            baseMs > 0 ? median(mainMs) / baseMs : 0, QStringLiteral("ratio"), 1.3 },
        { QStringLiteral("resident memory after Get with log window / the same minimal window"),
            baseKb > 0 ? median(getKb) / baseKb : 0, QStringLiteral("ratio"), 1.3 },
    };
}
