#include "clibench.h"

#include "controlleremulator.h"

#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

constexpr double WireMs = 68 * 11 * 1000.0 / 9600.0;
constexpr int Rounds = 7;

struct ChildRun {
    bool ok = false;
    double wallMs = 0; // fork to exit
    double peakKb = 0;
};

// Runs exe through the measuring parent, with the event loop running: the
// emulator lives on it.
ChildRun runChild(const QString& measureExe, const QString& exe, const QStringList& args,
    const QProcessEnvironment& env)
{
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QEventLoop loop;
    QObject::connect(&child, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&child, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    child.start(measureExe, QStringList { exe } + args);
    if (child.state() != QProcess::NotRunning)
        loop.exec();
    // "wall <ns> peak <kB>"
    const QList<QByteArray> words = child.readAllStandardOutput().simplified().split(' ');
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 || words.size() < 4)
        return {};
    return { true, words[1].toDouble() / 1e6, words[3].toDouble() };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

QList<BenchRow> cliBench(const CliBenchPrograms& programs)
{
    Tz586kvEmulator emulator;
    QTemporaryDir home;
    if (!home.isValid() || !emulator.start())
        return { { QStringLiteral("tz586kv read: no pseudo-terminal"), 99.0,
            QStringLiteral("ratio"), 0 } };
    // Whatever the program keeps goes to a folder of its own.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME" })
        env.insert(QString::fromLatin1(name), home.path());
    const QStringList read { QStringLiteral("read"), QStringLiteral("--port"),
        emulator.devicePath() };
    std::vector<double> readMs, readKb, coreKb;
    bool allOk = true;
    // Interleaved, so that a busy moment of the machine hits both sides.
    for (int i = 0; i < Rounds; ++i) {
        const ChildRun core = runChild(programs.measure, programs.coreMinimal, {}, env);
        const ChildRun cli = runChild(programs.measure, programs.cli, read, env);
        allOk = allOk && core.ok && cli.ok;
        coreKb.push_back(core.peakKb);
        readMs.push_back(cli.wallMs);
        readKb.push_back(cli.peakKb);
    }
    const double baseKb = median(coreKb);
    QTextStream(stderr) << QStringLiteral(
        "tz586kv read: %1 ms, peak %2 kB; minimal Qt Core program: peak %3 kB%4\n")
                               .arg(median(readMs), 0, 'f', 1)
                               .arg(median(readKb), 0, 'f', 0)
                               .arg(baseKb, 0, 'f', 0)
                               .arg(allOk ? QString() : QStringLiteral(" (a run failed)"));
    return {
        { QStringLiteral("tz586kv read, start to exit / wire time of \"sr\" (77.9 ms)"),
            allOk ? median(readMs) / WireMs : 99.0, QStringLiteral("ratio"), 1.6 },
        { QStringLiteral("peak resident memory of tz586kv read / minimal Qt Core program"),
            allOk && baseKb > 0 ? median(readKb) / baseKb : 99.0, QStringLiteral("ratio"), 1.5 },
    };
}
