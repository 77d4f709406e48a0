#include "xsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

XSession::XSession() {
    // Parallel test programs each look for a display number nobody holds.
    for (int n = 90 + int(QCoreApplication::applicationPid() % 50); n < 400; n += 7) {
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) ||
            QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
            continue;
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start(QStringLiteral("Xvfb"),
                      {QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"),
                       QStringLiteral("1024x768x24"), QStringLiteral("-br"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!server_.waitForStarted(5000)) return;
        for (int i = 0; i < 100 && server_.state() == QProcess::Running; ++i) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
                display_ = QStringLiteral(":%1").arg(n);
                return;
            }
            QThread::msleep(50);
        }
        server_.kill();
        server_.waitForFinished();
    }
}

XSession::~XSession() {
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(5000)) {
            server_.kill();
            server_.waitForFinished();
        }
    }
}

QProcessEnvironment XSession::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    return env;
}

QString XSession::run(const QString& program, const QStringList& arguments, int timeoutMs) const {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitCode() != 0) {
        qWarning("%s %s failed: %s", qPrintable(program), qPrintable(arguments.join(' ')),
                 process.readAllStandardError().constData());
        process.kill();
        return {};
    }
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    return out.isEmpty() ? QStringLiteral("ok") : out;
}

QMap<QString, int> XSession::geometry(const QString& windowId) const {
    QMap<QString, int> values;
    const QString out = run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"),
                                                        QStringLiteral("--shell"), windowId});
    for (const QString& line : out.split(QLatin1Char('\n')))
        values.insert(line.section(QLatin1Char('='), 0, 0),
                      line.section(QLatin1Char('='), 1).toInt());
    return values;
}

QImage XSession::screenshot() const {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral("import"),
                  {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    if (!process.waitForFinished(20000)) return {};
    return QImage::fromData(process.readAllStandardOutput(), "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

QString XSession::waitForWindow(const QString& title, int timeoutMs) const {
    const QString found = run(QStringLiteral("xdotool"),
                              {QStringLiteral("search"), QStringLiteral("--sync"),
                               QStringLiteral("--onlyvisible"), QStringLiteral("--name"), title},
                              timeoutMs);
    return found.section(QLatin1Char('\n'), 0, 0);
}

bool XSession::windowShown(const QString& title) const {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral("xdotool"),
                  {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                   QStringLiteral("--name"), title});
    return process.waitForFinished(20000) && process.exitCode() == 0;
}

bool XSession::requestClose(const QString& windowId) const {
    return !run(QStringLiteral(X_CLOSE_REQUEST), {windowId}).isEmpty();
}

Toy::Toy(const XSession& session, const QProcessEnvironment& extraEnvironment) {
    QProcessEnvironment env = session.environment();
    env.insert(extraEnvironment);
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.start(QStringLiteral(SCRIBBLEWICK_BIN), {});
    if (!process_.waitForStarted(10000)) return;
    windowId_ = session.waitForWindow(QStringLiteral("^Scribblewick!$"));
}

Toy::~Toy() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished();
    }
}

bool Toy::waitForExit(int timeoutMs) {
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(timeoutMs);
}
