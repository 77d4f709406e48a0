#include "toy.h"

#include <QDeadlineTimer>

#include <cstdio>

Toy::Toy(const XSession& session, const QProcessEnvironment& extraEnvironment,
         const QStringList& command, int timeoutMs, const QString& title)
    : session_(session) {
    QProcessEnvironment env = session.environment();
    env.insert(extraEnvironment);
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    if (command.isEmpty())
        process_.start(QStringLiteral(SCRIBBLEWICK_BIN), {});
    else
        process_.start(command.first(), command.mid(1));
    if (!process_.waitForStarted(10000)) {
        problem_ = QStringLiteral("it did not start: ") + process_.errorString();
        return;
    }
    // Polled until the window shows, the time is up or the toy has ended: a toy that ended
    // says so at once, and one still running says what the display shows instead.
    const QDeadlineTimer deadline(timeoutMs);
    do {
        const QStringList found = session.windowsTitled(title);
        if (!found.isEmpty()) {
            windowId_ = found.first();
            return;
        }
        // waitForFinished is false, at once, for a process that already ended.
    } while (process_.state() != QProcess::NotRunning && !process_.waitForFinished(100) &&
             !deadline.hasExpired());
    if (process_.state() == QProcess::NotRunning)
        problem_ = QStringLiteral("it ended with exit code %1 before its window showed")
                       .arg(process_.exitCode());
    else {
        QStringList shown;
        for (const QString& id : session.windowsTitled(QStringLiteral(".")))
            shown << session.run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), id})
                         .trimmed();
        problem_ = QStringLiteral("no window titled %1 in %2 ms; the display shows: \"%3\"")
                       .arg(title)
                       .arg(timeoutMs)
                       .arg(shown.join(QStringLiteral("\", \"")));
    }
}

Toy::~Toy() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished();
    }
    std::fputs(errorOutput().toLocal8Bit().constData(), stderr);
}

QString Toy::errorOutput() {
    errors_ += process_.readAllStandardError();
    return QString::fromLocal8Bit(errors_);
}

bool Toy::waitForExit(int timeoutMs) {
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(timeoutMs);
}

bool Toy::requestClose() const {
    return !session_.run(QStringLiteral(X_CLOSE_REQUEST), {windowId_}).isEmpty();
}

ToyOnDisplay::ToyOnDisplay(const QProcessEnvironment& extraEnvironment)
    : toy(x, extraEnvironment) {
    if (!toy.windowId().isEmpty()) x.xdotool({"windowfocus", "--sync", toy.windowId()});
}

QString ToyOnDisplay::problem() const {
    if (!x.isRunning()) return QStringLiteral("Xvfb did not start");
    if (toy.windowId().isEmpty()) return QStringLiteral("the main window: ") + toy.startProblem();
    return {};
}
