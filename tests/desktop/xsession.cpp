#include "xsession.h"

#include "session_environment.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <cstdio>

XSession::XSession(int depth) {
    // Sockets of programs run here (the accessibility bus, say) go in a runtime folder of ours.
    QDir(home_.path()).mkdir(QStringLiteral("runtime"));
    QFile::setPermissions(home_.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // Xvfb picks a free display itself and names it once it accepts clients: no race with
    // other test programs starting servers at the same time. It keeps its keyboard layout
    // (setxkbmap) when the last client goes, not starting afresh.
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.setProcessEnvironment(environment()); // its shader cache goes in our home too
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("1024x768x%1").arg(depth),
                   QStringLiteral("-br"), QStringLiteral("-noreset"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp")});
    if (!server_.waitForStarted(5000)) return;
    QByteArray number;
    const QDeadlineTimer deadline(20000);
    while (!number.contains('\n') && server_.state() == QProcess::Running &&
           !deadline.hasExpired()) {
        server_.waitForReadyRead(100);
        number += server_.readAllStandardOutput();
    }
    if (number.contains('\n'))
        display_ = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
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
    QProcessEnvironment env = sessionEnvironment(home_.path());
    env.insert(QStringLiteral("DISPLAY"), display_);
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

// xdotool's own search matches titles only up to Latin-1; Qt writes them as UTF-8, which
// getwindowname hands back as it is, so the matching is done here.
QStringList XSession::windowsTitled(const QString& title) const {
    const QRegularExpression pattern(title);
    QProcess search;
    search.setProcessEnvironment(environment());
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                  QStringLiteral("--name"), QStringLiteral(".")});
    if (!search.waitForFinished(20000)) return {};
    QStringList found;
    for (const QString& id : QString::fromLatin1(search.readAllStandardOutput())
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QProcess name;
        name.setProcessEnvironment(environment());
        name.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), id});
        if (name.waitForFinished(20000) && name.exitCode() == 0 &&
            pattern.match(QString::fromUtf8(name.readAllStandardOutput()).chopped(1)).hasMatch())
            found << id;
    }
    return found;
}

QString XSession::waitForWindow(const QString& title, int timeoutMs) const {
    // Polled rather than xdotool's --sync, which gives up when a window vanishes mid-search.
    const QDeadlineTimer deadline(timeoutMs);
    do {
        const QStringList found = windowsTitled(title);
        if (!found.isEmpty()) return found.first();
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return {};
}

bool XSession::windowShown(const QString& title) const {
    return !windowsTitled(title).isEmpty();
}

QByteArray XSession::clipboard(const QString& target) const {
    QProcess xclip;
    xclip.setProcessEnvironment(environment());
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                          QStringLiteral("-t"), target, QStringLiteral("-o")});
    xclip.waitForFinished(20000);
    return xclip.readAllStandardOutput();
}

QString pictureDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return QStringLiteral("sizes differ");
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF))
                return QStringLiteral("%1, %2: %3 against %4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 8, 16)
                    .arg(b.pixel(x, y), 8, 16);
    return {};
}

QRect inkedBox(const QImage& page) {
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 235) box |= QRect(x, y, 1, 1);
    return box;
}
