#include "startupchild.h"

#include "configuration.h"
#include "controlleremulator.h"
#include "logwindow.h"
#include "maincontroller.h"
#include "mainwindow.h"
#include "serialline.h"
#include "windowprogram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

constexpr int TimeoutMs = 20000;

// Wakes loop once the first paint of the watched window has finished: its
// children drawn and the frame handed to the display, text and all.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, QEventLoop& loop)
        : m_loop(loop)
    {
        window.installEventFilter(this);
    }
    qint64 at() const { return m_at; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // The paint event comes before any of it is drawn: take the time
            // when the loop is back, after the whole window is.
            QTimer::singleShot(0, &m_loop, [this] {
                m_at = bootTimeNs();
                m_loop.quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& m_loop;
    bool m_painted = false;
    qint64 m_at = 0;
};

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

bool waitForPaint(QEventLoop& loop, const FirstPaint& paint)
{
    QTimer::singleShot(TimeoutMs, &loop, &QEventLoop::quit);
    if (paint.at() == 0)
        loop.exec();
    return paint.at() != 0;
}

int report(qint64 paint, qint64 setup)
{
    QTextStream(stdout)
        << QStringLiteral("paint %1 setup %2 rss %3\n").arg(paint).arg(setup).arg(residentKb());
    return 0;
}

// One line of text: a window that draws none never loads the fonts, which
// every real window pays for.
int runMinimal()
{
    QLabel window(QStringLiteral("TZ586KV Link"));
    window.resize(400, 300);
    QEventLoop loop;
    FirstPaint paint(window, loop);
    window.show();
    if (!waitForPaint(loop, paint))
        return 2;
    return report(paint.at(), 0);
}

// Clicks Get and waits until the log window has drawn the log.
bool getWithLogWindow(MainWindow& window, MainController& controller)
{
    // The click returns once the exchange is over: it waits in its own loop.
    window.commandButton(Command::Get)->click();
    LogWindow* log = controller.logWindow();
    if (!log || !log->isVisible() || window.messageTone() == MessageTone::Failure)
        return false;
    QEventLoop loop;
    FirstPaint paint(*log, loop);
    log->update();
    return waitForPaint(loop, paint);
}

int runMain(bool get)
{
    QElapsedTimer setupTimer;
    setupTimer.start();
    QTemporaryDir dir;
    Tz586kvEmulator emulator;
    const QString link = dir.filePath(QStringLiteral("tz586kv"));
    if (!dir.isValid() || !emulator.start(link))
        return 3;
    const Configuration ini(dir.filePath(Configuration::FileName));
    if (!ini.setPort(QStringLiteral("16")) || !ini.setPortOverride(16, link))
        return 3;
    const qint64 setup = setupTimer.nsecsElapsed();

    // As the program starts, but with its history out of the user's folder.
    WindowProgram program({ .appPath = dir.path(),
        .versionText = AppContext::makeVersionText(1, 0, 0),
        .singleInstance = false,
        .historyRoot = dir.filePath(QStringLiteral("history")) });
    QEventLoop loop;
    FirstPaint paint(program.window(), loop);
    program.start();
    if (!waitForPaint(loop, paint) || !program.line().isOpen())
        return 2;
    if (get && !getWithLogWindow(program.window(), program.controller()))
        return 4;
    return report(paint.at(), setup);
}

} // namespace

qint64 bootTimeNs()
{
    timespec now {};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

int runStartupChild(const QString& mode)
{
    if (mode == u"minimal")
        return runMinimal();
    if (mode == u"main")
        return runMain(false);
    if (mode == u"main-get")
        return runMain(true);
    return 1;
}
