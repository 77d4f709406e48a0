#include "cups_queue.h"

#include <QDir>
#include <QProcess>
#include <QThread>

namespace {

constexpr const char* Queue = "scribblewick-test";
constexpr const char* Ppd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

QString run(const QString& program, const QStringList& arguments, bool* ok = nullptr) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool done = process.waitForFinished(30000) &&
                      process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (ok) *ok = done;
    return QString::fromLocal8Bit(process.readAll()).trimmed();
}

bool schedulerRunning() {
    return run(QStringLiteral("lpstat"), {QStringLiteral("-r")}) ==
           QStringLiteral("scheduler is running");
}

} // namespace

CupsQueue::CupsQueue() {
    if (!schedulerRunning()) {
        bool ok = false;
        const QString out = run(QStringLiteral("cupsd"), {}, &ok);
        for (int i = 0; i < 100 && !schedulerRunning(); ++i)
            QThread::msleep(100);
        if (!schedulerRunning()) {
            error_ = QStringLiteral("cupsd did not start: ") + out;
            return;
        }
        startedScheduler_ = true;
    }
    const QString current = run(QStringLiteral("lpstat"), {QStringLiteral("-d")});
    if (current.contains(QLatin1Char(':')))
        previousDefault_ = current.section(QLatin1Char(':'), 1).trimmed();
    bool ok = false;
    const QString out = run(QStringLiteral("lpadmin"),
                            {QStringLiteral("-p"), QString::fromUtf8(Queue), QStringLiteral("-E"),
                             QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
                             QStringLiteral("-P"), QString::fromUtf8(Ppd)},
                            &ok);
    if (!ok) {
        error_ = QStringLiteral("lpadmin could not add the queue: ") + out;
        return;
    }
    addedQueue_ = true;
    run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QString::fromUtf8(Queue)}, &ok);
    if (!ok) error_ = QStringLiteral("lpadmin could not make the queue the default");
}

CupsQueue::~CupsQueue() {
    if (addedQueue_)
        run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QString::fromUtf8(Queue)});
    if (!previousDefault_.isEmpty())
        run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), previousDefault_});
    if (startedScheduler_)
        run(QStringLiteral("pkill"), {QStringLiteral("-x"), QStringLiteral("cupsd")});
}

QString CupsQueue::outputFolder() {
    return QDir::homePath() + QStringLiteral("/PDF");
}
