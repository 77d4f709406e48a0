#include "wine_prefix.h"

#include "desktop/xsession.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <sys/stat.h>

namespace {

int runWine(const QProcessEnvironment& env, const QString& program, const QStringList& arguments,
            int timeoutMs) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

WinePrefix::WinePrefix(const XSession& session) {
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary folder");
        return;
    }
    QProcessEnvironment env = session.environment();
    env.insert(environment());
    // About 10 s and 700 MB: made once for all the test functions of a program.
    if (runWine(env, QStringLiteral(WINE64), {QStringLiteral("wineboot"), QStringLiteral("-i")},
                180000) != 0)
        error_ = QStringLiteral("wineboot could not make the prefix");
    // wineboot returns before the prefix's set-up has finished in the background; cut short,
    // the next start would do it all again. Wait for the server to end of itself first.
    runWine(env, QStringLiteral(WINESERVER), {QStringLiteral("-w")}, 180000);
    endAll();
    // Windows has its interface font, Tahoma, where programs find it. Debian's Wine 8 does not
    // read its own copy (fonts-wine) in a new prefix, so Qt would fall back to a serif face
    // after searching every font; the prefix gets it as Windows has it.
    const QString fonts = dir_.filePath(QStringLiteral("prefix/drive_c/windows/Fonts"));
    QFile::copy(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
                fonts + QStringLiteral("/tahoma.ttf"));
}

WinePrefix::~WinePrefix() {
    endAll();
    // Wine's server keeps its socket in /tmp/wine-XXXXXX/server-DEV-INODE, named after the
    // prefix folder's device and inode; a killed server leaves it behind. Remove only ours.
    struct stat prefix {};
    const QByteArray path = QFile::encodeName(dir_.filePath(QStringLiteral("prefix")));
    if (::stat(path.constData(), &prefix) != 0) return;
    const QString server = QStringLiteral("server-%1-%2")
                               .arg(qulonglong(prefix.st_dev), 0, 16)
                               .arg(qulonglong(prefix.st_ino), 0, 16);
    const QDir tmp(QStringLiteral("/tmp"));
    for (const QString& name : tmp.entryList({QStringLiteral("wine-*")}, QDir::Dirs))
        if (QDir(tmp.filePath(name)).exists(server)) QDir(tmp.filePath(name)).removeRecursively();
}

QProcessEnvironment WinePrefix::environment() const {
    QProcessEnvironment env;
    const QString root = dir_.path();
    env.insert(QStringLiteral("WINEPREFIX"), root + QStringLiteral("/prefix"));
    env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    // No offer to install Mono or Gecko, and no menu entries on the host.
    env.insert(QStringLiteral("WINEDLLOVERRIDES"),
               QStringLiteral("mscoree,mshtml,winemenubuilder.exe=d"));
    env.insert(QStringLiteral("HOME"), root);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), root + QStringLiteral("/cache"));
    return env;
}

int WinePrefix::run(const XSession& session, const QStringList& arguments,
                    QByteArray* output) const {
    QProcessEnvironment env = session.environment();
    env.insert(environment());
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(WINE64), arguments);
    const bool finished = process.waitForFinished(180000);
    if (!finished) process.kill();
    process.waitForFinished();
    if (output) *output = process.readAllStandardOutput();
    waitForAll();
    return finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void WinePrefix::waitForAll() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(environment());
    runWine(env, QStringLiteral(WINESERVER), {QStringLiteral("-w")}, 180000);
}

void WinePrefix::endAll() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(environment());
    // -k ends the server of this prefix only, with its processes; -w waits for it to be gone.
    runWine(env, QStringLiteral(WINESERVER), {QStringLiteral("-k")}, 30000);
    runWine(env, QStringLiteral(WINESERVER), {QStringLiteral("-w")}, 30000);
}

QString WinePrefix::windowsPath(const QString& unixPath) {
    return QStringLiteral("Z:") + QString(unixPath).replace(QLatin1Char('/'), QLatin1Char('\\'));
}
