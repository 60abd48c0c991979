#include "benchrow.h"
#include "clibench.h"
#include "exchangebench.h"
#include "logviewbench.h"
#include "startupbench.h"
#include "startupchild.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The start-up figures run this program again as the thing measured.
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return runStartupChild(QString::fromLocal8Bit(argv[2]));
    QList<BenchRow> rows;
    rows += exchangeBench();
    rows += logViewBench();
    rows += startupBench(QCoreApplication::applicationFilePath());
    rows += cliBench({ QStringLiteral(TZ586KV_PATH), QStringLiteral(TZ_CORE_MINIMAL_PATH),
        QStringLiteral(TZ_MEASURE_PATH) });

    QTextStream out(stdout);
    out << QStringLiteral("| figure | measured | target | |\n|---|---|---|---|\n");
    bool allMet = true;
    for (const BenchRow& r : rows) {
        const bool met = r.value <= r.target && r.value >= r.floor;
        allMet = allMet && met;
        QString target = QString::number(r.target, 'g', 3);
        if (r.floor > 0)
            target = QString::number(r.floor, 'g', 3) + u'-' + target;
        out << QStringLiteral("| %1 | %2 %3 | %4 %3 | %5 |\n")
                   .arg(r.name, QString::number(r.value, 'f', r.unit == u"ms"_qs ? 2 : 3), r.unit,
                       target, met ? u"met"_qs : u"MISSED"_qs);
    }
    return allMet ? 0 : 1;
}
