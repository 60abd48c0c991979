#include "singleinstance.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TstSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void secondCopy_isRefusedWhileTheFirstRuns();
    void lockOfACrashedCopy_isTakenOver();
};

void TstSingleInstance::secondCopy_isRefusedWhileTheFirstRuns()
{
    QTemporaryDir dir;
    auto first = std::make_unique<SingleInstance>(u"tz"_qs, dir.path());
    QVERIFY(first->tryLock());
    SingleInstance second(u"tz"_qs, dir.path());
    QVERIFY(!second.tryLock());
    QVERIFY(first->tryLock());
    first.reset();
    QVERIFY(second.tryLock());
}

void TstSingleInstance::lockOfACrashedCopy_isTakenOver()
{
    QTemporaryDir dir;
    SingleInstance instance(u"tz"_qs, dir.path());
    // A process that has ended leaves its id in the lock, as a crash would.
    QProcess gone;
    gone.start(u"true"_qs, {});
    QVERIFY(gone.waitForFinished());
    const qint64 pid = gone.processId() > 0 ? gone.processId() : 999999;
    QFile lock(instance.lockPath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\ntz586kv-link\n\n");
    lock.close();
    QVERIFY(instance.tryLock());
}

QTEST_GUILESS_MAIN(TstSingleInstance)
#include "tst_singleinstance.moc"
