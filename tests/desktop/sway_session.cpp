#include "sway_session.h"

#include "session_environment.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <functional>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;
constexpr int Private = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// One output, no X server, and focus that stays where the test puts it.
constexpr const char* Config = "xwayland disable\n"
                               "output HEADLESS-1 resolution 1280x1024 position 0 0\n"
                               "focus_follows_mouse no\n";

QRect rectOf(const QJsonValue& value) {
    const QJsonObject r = value.toObject();
    return {r[QLatin1String("x")].toInt(), r[QLatin1String("y")].toInt(),
            r[QLatin1String("width")].toInt(), r[QLatin1String("height")].toInt()};
}

} // namespace

SwaySession::SwaySession() {
    start();
}

void SwaySession::start() {
    if (!swayHome_.isValid() || !home_.isValid()) {
        problem_ = QStringLiteral("no temporary folder");
        return;
    }
    QFile config(swayHome_.filePath(QStringLiteral("config")));
    if (!config.open(QIODevice::WriteOnly) || config.write(Config) < 0) {
        problem_ = QStringLiteral("cannot write sway's configuration");
        return;
    }
    config.close();
    QStringList command{QStringLiteral("sway"), QStringLiteral("-c"), config.fileName()};
    if (geteuid() == 0) {
        if (chown(QFile::encodeName(swayHome_.path()).constData(), Nobody, Nobody) != 0) {
            problem_ = QStringLiteral("cannot give sway its runtime folder");
            return;
        }
        command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(Nobody),
                              QStringLiteral("--regid=%1").arg(Nobody),
                              QStringLiteral("--clear-groups")} +
                  command;
    }
    QDir(home_.path()).mkdir(QStringLiteral("runtime"));
    QFile::setPermissions(home_.filePath(QStringLiteral("runtime")),
                          QFileDevice::Permissions(Private));

    // Nothing of the desktop running the tests: sway sees only its own folder and backend.
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        env.insert(QLatin1String(name), swayHome_.path());
    env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    sway_.setProcessEnvironment(env);
    sway_.setStandardOutputFile(swayHome_.filePath(QStringLiteral("sway.log")));
    sway_.setStandardErrorFile(swayHome_.filePath(QStringLiteral("sway.log")));
    sway_.start(command.first(), command.mid(1));
    if (!sway_.waitForStarted(10000)) {
        problem_ = QStringLiteral("sway did not start: ") + sway_.errorString();
        return;
    }

    // Ready once its Wayland and IPC sockets exist and it answers.
    const QDir dir(swayHome_.path());
    const QDeadlineTimer deadline(20000);
    bool answered = false;
    while (!answered && !deadline.hasExpired() && sway_.state() == QProcess::Running) {
        const QStringList sockets = dir.entryList(
            {QStringLiteral("wayland-*"), QStringLiteral("sway-ipc.*.sock")}, QDir::System);
        for (const QString& name : sockets)
            (name.startsWith(QLatin1String("sway-ipc")) ? ipc_ : socket_) = dir.filePath(name);
        answered = !socket_.isEmpty() && !ipc_.isEmpty() &&
                   !swaymsg({QStringLiteral("-t"), QStringLiteral("get_outputs")}).isEmpty();
        if (!answered) QThread::msleep(50);
    }
    if (!answered) {
        QFile log(swayHome_.filePath(QStringLiteral("sway.log")));
        log.open(QIODevice::ReadOnly);
        problem_ = QStringLiteral("sway did not come up: ") + QString::fromLocal8Bit(log.readAll());
        return;
    }

    // One keyboard held on the seat for the whole session: a wtype call then only adds its own
    // for a moment, and its keys arrive. (wtype sleeps in microseconds counted in 32 bits.)
    keyboard_.setProcessEnvironment(environment());
    keyboard_.start(QStringLiteral("wtype"), {QStringLiteral("-s"), QStringLiteral("4000000")});
    bool keyboard = false;
    while (!keyboard && !deadline.hasExpired() && keyboard_.state() != QProcess::NotRunning) {
        const QJsonArray inputs =
            QJsonDocument::fromJson(swaymsg({QStringLiteral("-t"), QStringLiteral("get_inputs")}))
                .array();
        for (const QJsonValue& input : inputs)
            keyboard |= input[QLatin1String("type")].toString() == QLatin1String("keyboard");
        if (!keyboard) QThread::msleep(50);
    }
    if (!keyboard) {
        problem_ = QStringLiteral("no keyboard on sway's seat");
        return;
    }

    pointer_.setProcessEnvironment(environment());
    pointer_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    pointer_.start(QStringLiteral(VIRTUAL_POINTER),
                   {QString::number(OutputSize.width()), QString::number(OutputSize.height())});
    if (!pointer({}) || !moveTo({OutputSize.width() - 1, OutputSize.height() - 1}))
        problem_ = QStringLiteral("no pointer on sway's seat");
}

SwaySession::~SwaySession() {
    // Each by its process id: the pointer when its input closes, the others when asked to.
    if (pointer_.state() != QProcess::NotRunning) {
        pointer_.closeWriteChannel();
        if (!pointer_.waitForFinished(5000)) pointer_.kill();
        pointer_.waitForFinished();
    }
    for (QProcess* process : {&keyboard_, &sway_}) {
        if (process->state() == QProcess::NotRunning) continue;
        process->terminate();
        if (!process->waitForFinished(5000)) {
            process->kill();
            process->waitForFinished();
        }
    }
}

QProcessEnvironment SwaySession::environment() const {
    QProcessEnvironment env = sessionEnvironment(home_.path());
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), socket_);
    env.insert(QStringLiteral("SWAYSOCK"), ipc_);
    return env;
}

bool SwaySession::run(const QString& program, const QStringList& arguments, QByteArray* out,
                      int timeoutMs) const {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning("%s %s failed: %s", qPrintable(program), qPrintable(arguments.join(' ')),
                 process.readAllStandardError().constData());
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (out != nullptr) *out = process.readAllStandardOutput();
    return true;
}

QByteArray SwaySession::swaymsg(const QStringList& arguments) const {
    QByteArray out;
    return run(QStringLiteral("swaymsg"), QStringList{QStringLiteral("-r")} + arguments, &out)
               ? out
               : QByteArray();
}

QList<SwaySession::Window> SwaySession::windows() const {
    QList<Window> found;
    const std::function<void(const QJsonObject&)> walk = [&](const QJsonObject& node) {
        if (node.contains(QLatin1String("pid"))) {
            const QRect rect = rectOf(node[QLatin1String("rect")]);
            const QRect inner = rectOf(node[QLatin1String("window_rect")]);
            found.append({node[QLatin1String("id")].toInt(), node[QLatin1String("name")].toString(),
                          node[QLatin1String("pid")].toInteger(),
                          inner.translated(rect.topLeft())});
        }
        for (const char* children : {"nodes", "floating_nodes"})
            for (const QJsonValue& child : node[QLatin1String(children)].toArray())
                walk(child.toObject());
    };
    walk(QJsonDocument::fromJson(swaymsg({QStringLiteral("-t"), QStringLiteral("get_tree")}))
             .object());
    return found;
}

SwaySession::Window SwaySession::waitForWindow(const QString& title, int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    do {
        for (const Window& window : windows())
            if (window.title == title) return window;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return {};
}

bool SwaySession::focus(const Window& window) const {
    return !swaymsg({QStringLiteral("[con_id=%1] focus").arg(window.id)}).isEmpty();
}

bool SwaySession::type(const QString& text) const {
    return run(QStringLiteral("wtype"), {text});
}

bool SwaySession::key(const QString& combination) const {
    QStringList modifiers = combination.split(QLatin1Char('+'));
    const QString name = modifiers.takeLast();
    QStringList arguments;
    for (const QString& modifier : modifiers)
        arguments << QStringLiteral("-M") << modifier;
    arguments << QStringLiteral("-k") << name;
    for (const QString& modifier : modifiers)
        arguments << QStringLiteral("-m") << modifier;
    return run(QStringLiteral("wtype"), arguments);
}

bool SwaySession::pointer(const QByteArray& request) {
    if (!request.isEmpty()) pointer_.write(request + '\n');
    // Answered once sway has handled it.
    const QDeadlineTimer deadline(10000);
    while (!pointer_.canReadLine() && !deadline.hasExpired() &&
           pointer_.state() != QProcess::NotRunning)
        pointer_.waitForReadyRead(100);
    return pointer_.readLine().trimmed() == "ok";
}

bool SwaySession::moveTo(QPoint point) {
    return pointer(QStringLiteral("move %1 %2").arg(point.x()).arg(point.y()).toLatin1());
}

bool SwaySession::clickAt(QPoint point) {
    return moveTo(point) && pointer("click") &&
           moveTo({OutputSize.width() - 1, OutputSize.height() - 1});
}

QImage SwaySession::screenshot() const {
    QByteArray ppm;
    if (!run(QStringLiteral("grim"),
             {QStringLiteral("-t"), QStringLiteral("ppm"), QStringLiteral("-")}, &ppm))
        return {};
    return QImage::fromData(ppm, "PPM").convertToFormat(QImage::Format_RGB32);
}

QByteArray SwaySession::clipboard(const QString& mimeType) const {
    QByteArray out;
    run(QStringLiteral("wl-paste"),
        mimeType.isEmpty()
            ? QStringList{QStringLiteral("--list-types")}
            : QStringList{QStringLiteral("--no-newline"), QStringLiteral("--type"), mimeType},
        &out);
    return out;
}
