#include "toy.h"

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
    if (!process_.waitForStarted(10000)) return;
    windowId_ = session.waitForWindow(title, timeoutMs);
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
    if (toy.windowId().isEmpty()) return QStringLiteral("the main window did not appear");
    return {};
}
