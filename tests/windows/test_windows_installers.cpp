// The setup and the MSI that scripts/windows makes, each installed under Wine in a fresh
// prefix on a private Xvfb, as a family or a school would: the files, the identical exe, the
// Start-menu shortcut and the Add/Remove entry, the toy started through the shortcut, and a
// silent uninstall that leaves nothing behind. The MSI also upgrades and refuses to downgrade.
#include "toy.h"
#include "wine_prefix.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTest>
#include <QVersionNumber>

namespace {

const QString Uninstall =
    QStringLiteral("\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
const QString ProgramFiles = QStringLiteral("C:\\Program Files\\Scribblewick");
const QString Vendor = QStringLiteral("Scribblewick Toyworks");
// Windows Installer's "fatal error" (1603), as Wine passes exit codes on: modulo 256.
constexpr int InstallFailed = 1603 % 256;

QString builtFile(const QString& name) {
    return QStringLiteral(WINDOWS_BUILD_DIR "/") + name;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using Values = QMap<QString, QString>;

// What `after` has that `before` had not, and what it lost: empty when they are the same.
QString changes(const QStringList& before, const QStringList& after) {
    QStringList lines;
    for (const QString& entry : after)
        if (!before.contains(entry)) lines << QStringLiteral("left behind: ") + entry;
    for (const QString& entry : before)
        if (!after.contains(entry)) lines << QStringLiteral("gone: ") + entry;
    return lines.join(QLatin1Char('\n'));
}

// A fresh prefix on a fresh display, for one installer's whole round.
struct Machine {
    XSession x;
    WinePrefix wine{x};

    QString problem() const {
        if (!x.isRunning()) return QStringLiteral("Xvfb did not start");
        return wine.error();
    }

    int run(const QStringList& arguments, QByteArray* output = nullptr) const {
        return wine.run(x, arguments, output);
    }

    // The one user's profile folder, relative to C:.
    QString profile() const {
        const QStringList users = QDir(wine.driveC() + QStringLiteral("/users"))
                                      .entryList({}, QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& user : users)
            if (user != QStringLiteral("Public")) return QStringLiteral("users/") + user;
        return {};
    }

    QString userStartMenu() const {
        return wine.driveC() + QLatin1Char('/') + profile() +
               QStringLiteral("/AppData/Roaming/Microsoft/Windows/Start Menu/Programs");
    }

    QString unixPath(QString windowsPath) const {
        windowsPath.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return wine.driveC() + windowsPath.mid(2);
    }

    // Every entry under C:, but the temporary folders' contents (the NSIS uninstaller runs
    // from a copy there) and Windows Installer's own cache folder, which Windows keeps.
    QStringList tree() const {
        const QDir c(wine.driveC());
        const QRegularExpression leftAlone(
            QStringLiteral("^(users/[^/]+/Temp/|windows/Installer$)"));
        QStringList entries;
        QDirIterator it(c.path(),
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString entry = c.relativeFilePath(it.next());
            if (!leftAlone.match(entry).hasMatch()) entries << entry;
        }
        entries.sort();
        return entries;
    }

    // The keys under `key` and itself, each with its values, as `reg query /s` prints them.
    QMap<QString, Values> registry(const QString& key) const {
        QByteArray out;
        QMap<QString, Values> keys;
        if (run({QStringLiteral("reg"), QStringLiteral("query"), key, QStringLiteral("/s")},
                &out) != 0)
            return keys;
        const QRegularExpression value(QStringLiteral("^ {4}(.+?) {4}REG_[A-Z_]+(?: {4}(.*))?$"));
        QString current;
        for (QString line : QString::fromUtf8(out).split(QLatin1Char('\n'))) {
            line.remove(QLatin1Char('\r'));
            if (line.startsWith(QLatin1String("HKEY_"))) {
                current = line;
                keys[current];
            } else if (const auto match = value.match(line); match.hasMatch()) {
                keys[current].insert(match.captured(1), match.captured(2));
            }
        }
        return keys;
    }

    // An Add/Remove entry's values; none when it is not there.
    Values entry(const QString& root, const QString& name) const {
        const auto keys = registry(root + Uninstall + QLatin1Char('\\') + name);
        return keys.isEmpty() ? Values() : keys.first(); // the key itself sorts first
    }

    // The names of the Add/Remove entries called "Scribblewick".
    QStringList scribblewickEntries(const QString& root) const {
        QStringList names;
        const auto keys = registry(root + Uninstall);
        for (auto it = keys.begin(); it != keys.end(); ++it)
            if (it->value(QStringLiteral("DisplayName")) == QStringLiteral("Scribblewick"))
                names << it.key().section(QLatin1Char('\\'), -1);
        return names;
    }

    // Starts the toy through `shortcut` as the Start menu would; whether its window showed the
    // toy. The toy is then asked to close and gone when this returns.
    QString startThrough(const QString& shortcut) const {
        // start returns once the toy runs, which then lives on: no waiting for the prefix here.
        QProcess start;
        QProcessEnvironment env = x.environment();
        env.insert(wine.environment());
        start.setProcessEnvironment(env);
        start.start(QStringLiteral(WINE64),
                    {QStringLiteral("start"), QStringLiteral("/unix"), shortcut});
        if (!start.waitForFinished(60000) || start.exitCode() != 0)
            return QStringLiteral("start could not open the shortcut");
        const QString id = x.waitForWindow(QStringLiteral("^Scribblewick!$"), 90000);
        if (id.isEmpty()) return QStringLiteral("no window \"Scribblewick!\" appeared");
        // The frame's red beside the (empty) signature, inside the toy.
        const QPoint red = ClientArea.topLeft() + QPoint(300, 24);
        const bool drawn =
            QTest::qWaitFor([&] { return (x.screenshot().pixel(red) & 0xFFFFFF) == 0xFF0000; });
        x.run(QStringLiteral(X_CLOSE_REQUEST), {id});
        wine.waitForAll();
        return drawn ? QString() : QStringLiteral("the window did not show the toy");
    }
};

// The product code an MSI installs under: its entry's name.
QString productCode(const QString& msi) {
    QProcess msiinfo;
    msiinfo.start(QStringLiteral("msiinfo"),
                  {QStringLiteral("export"), msi, QStringLiteral("Property")});
    msiinfo.waitForFinished();
    const auto match = QRegularExpression(QStringLiteral("^ProductCode\\t(\\{[0-9A-F-]+\\})\\r?$"),
                                          QRegularExpression::MultilineOption)
                           .match(QString::fromLatin1(msiinfo.readAllStandardOutput()));
    return match.captured(1);
}

// The exe installed in `folder` is the one built, its shortcut leads to it, and the entry says
// what Add/Remove Programs shows.
void checkInstalled(const Machine& m, const QString& folder, const QStringList& files,
                    const QString& shortcut, const Values& entry) {
    const QString exe = folder + QStringLiteral("\\scribblewick.exe");
    QCOMPARE(QDir(m.unixPath(folder)).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             files);
    QVERIFY2(contents(m.unixPath(exe)) == contents(builtFile(QStringLiteral("scribblewick.exe"))),
             "the installed exe is not the built one");
    const QByteArray link = contents(shortcut);
    QVERIFY2(
        link.contains(exe.toLatin1()) ||
            link.contains(QByteArray(reinterpret_cast<const char*>(exe.utf16()), exe.size() * 2)),
        qPrintable(shortcut + QStringLiteral(" does not lead to ") + exe));
    QCOMPARE(entry.value(QStringLiteral("DisplayName")), QStringLiteral("Scribblewick"));
    QCOMPARE(entry.value(QStringLiteral("DisplayIcon")), exe + QStringLiteral(",0"));
    QCOMPARE(entry.value(QStringLiteral("DisplayVersion")), QStringLiteral(PROJECT_VERSION));
    QCOMPARE(entry.value(QStringLiteral("Publisher")), Vendor);
    // Windows Installer ends the folder with a backslash.
    QString location = entry.value(QStringLiteral("InstallLocation"));
    if (location.endsWith(QLatin1Char('\\'))) location.chop(1);
    QCOMPARE(location, folder);
    const QString started = m.startThrough(shortcut);
    QVERIFY2(started.isEmpty(), qPrintable(started));
}

// The setup run silently, for everyone or for the current user only, then the entry's quiet
// uninstall.
void setupRound(bool forCurrentUser) {
    Machine m;
    QVERIFY2(m.problem().isEmpty(), qPrintable(m.problem()));
    const QStringList before = m.tree();
    QStringList setup = {
        builtFile(QStringLiteral("scribblewick-" PROJECT_VERSION "-win64-setup.exe")),
        QStringLiteral("/S")};
    if (forCurrentUser) setup << QStringLiteral("/CurrentUser");
    QCOMPARE(m.run(setup), 0);

    const QString root = forCurrentUser ? QStringLiteral("HKCU") : QStringLiteral("HKLM");
    const QString folder =
        forCurrentUser ? QStringLiteral("C:\\%1\\AppData\\Local\\Programs\\Scribblewick")
                             .arg(QString(m.profile()).replace(QLatin1Char('/'), QLatin1Char('\\')))
                       : ProgramFiles;
    const QString menu = forCurrentUser
                             ? m.userStartMenu()
                             : m.wine.driveC() + QStringLiteral("/ProgramData/Microsoft/"
                                                                "Windows/Start Menu/Programs");
    const Values entry = m.entry(root, QStringLiteral("Scribblewick"));
    const QString uninstall = QStringLiteral("\"%1\\Uninstall Scribblewick.exe\" /%2")
                                  .arg(folder, forCurrentUser ? QStringLiteral("CurrentUser")
                                                              : QStringLiteral("AllUsers"));
    QCOMPARE(entry.value(QStringLiteral("UninstallString")), uninstall);
    QCOMPARE(entry.value(QStringLiteral("QuietUninstallString")),
             uninstall + QStringLiteral(" /S"));
    // In kilobytes, what it installed: the exe and the uninstaller.
    const qint64 size = entry.value(QStringLiteral("EstimatedSize")).toLongLong(nullptr, 16);
    const qint64 exe = QFileInfo(builtFile(QStringLiteral("scribblewick.exe"))).size() / 1024;
    QVERIFY2(size > exe && size < exe + 1024,
             qPrintable(entry.value(QStringLiteral("EstimatedSize"))));
    checkInstalled(
        m, folder,
        {QStringLiteral("scribblewick.exe"), QStringLiteral("Uninstall Scribblewick.exe")},
        menu + QStringLiteral("/Scribblewick.lnk"), entry);
    if (QTest::currentTestFailed()) return;

    // What Add/Remove Programs runs for a silent uninstall: "program" arguments.
    const QString quiet = entry.value(QStringLiteral("QuietUninstallString"));
    const QStringList arguments =
        quiet.section(QLatin1Char('"'), 2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QCOMPARE(m.run(QStringList{quiet.section(QLatin1Char('"'), 1, 1)} + arguments), 0);
    const QString left = changes(before, m.tree());
    QVERIFY2(left.isEmpty(), qPrintable(left));
    QVERIFY(m.scribblewickEntries(root).isEmpty());
}

} // namespace

class WindowsInstallersTest : public QObject {
    Q_OBJECT
private slots:
    // Wine's user is an administrator: the setup installs for everyone unless told.
    void setupForAllUsers() { setupRound(false); }
    void setupForCurrentUser() { setupRound(true); }

    void msiPerMachine() {
        const QString msi = builtFile(QStringLiteral("scribblewick-" PROJECT_VERSION "-win64.msi"));
        const QString code = productCode(msi);
        QVERIFY2(!code.isEmpty(), "no product code in the MSI");
        Machine m;
        QVERIFY2(m.problem().isEmpty(), qPrintable(m.problem()));
        const QStringList before = m.tree();
        QCOMPARE(m.run({QStringLiteral("msiexec"), QStringLiteral("/i"),
                        WinePrefix::windowsPath(msi), QStringLiteral("/qn")}),
                 0);
        QCOMPARE(m.scribblewickEntries(QStringLiteral("HKLM")), QStringList{code});
        const Values entry = m.entry(QStringLiteral("HKLM"), code);
        QCOMPARE(entry.value(QStringLiteral("UninstallString")),
                 QStringLiteral("MsiExec.exe /X") + code);
        // Wine's msi puts a per-machine shortcut in the user's Start menu.
        checkInstalled(m, ProgramFiles, {QStringLiteral("scribblewick.exe")},
                       m.userStartMenu() + QStringLiteral("/Scribblewick.lnk"), entry);
        if (QTest::currentTestFailed()) return;

        QCOMPARE(
            m.run({QStringLiteral("msiexec"), QStringLiteral("/x"), code, QStringLiteral("/qn")}),
            0);
        const QString left = changes(before, m.tree());
        QVERIFY2(left.isEmpty(), qPrintable(left));
        QVERIFY(m.scribblewickEntries(QStringLiteral("HKLM")).isEmpty());
    }

    // A newer MSI, made by CPack from the same configuration with the version one higher and a
    // changed exe, replaces the installed one and leaves one entry; the older one is refused.
    void msiUpgradesAndRefusesToDowngrade() {
        const QString older =
            builtFile(QStringLiteral("scribblewick-" PROJECT_VERSION "-win64.msi"));
        const QVersionNumber version = QVersionNumber::fromString(QStringLiteral(PROJECT_VERSION));
        const QString newerVersion = QVersionNumber(version.majorVersion(), version.minorVersion(),
                                                    version.microVersion() + 1)
                                         .toString();
        QTemporaryDir dir;
        const QString stage = dir.filePath(QStringLiteral("stage"));
        QVERIFY(QDir().mkpath(stage));
        QByteArray newerExe = contents(builtFile(QStringLiteral("scribblewick.exe")));
        newerExe.append("a newer build"); // another file, the same program
        {
            QFile exe(stage + QStringLiteral("/scribblewick.exe"));
            QVERIFY(exe.open(QIODevice::WriteOnly) && exe.write(newerExe) == newerExe.size());
        }
        // The staged folder in place of the build's install rules.
        QStringList arguments = {
            QStringLiteral("-G"),       QStringLiteral("External"),
            QStringLiteral("--config"), builtFile(QStringLiteral("CPackConfig.cmake")),
            QStringLiteral("-B"),       dir.filePath(QStringLiteral("out"))};
        for (const QString& setting :
             {QStringLiteral("CPACK_PACKAGE_VERSION=") + newerVersion,
              QStringLiteral("CPACK_PACKAGE_FILE_NAME=newer"),
              QStringLiteral("CPACK_INSTALL_CMAKE_PROJECTS="),
              QStringLiteral("CPACK_INSTALLED_DIRECTORIES=") + stage + QStringLiteral(";.")})
            arguments << QStringLiteral("-D") << setting;
        QProcess cpack;
        cpack.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        cpack.setStandardOutputFile(QProcess::nullDevice());
        cpack.start(QStringLiteral(CPACK), arguments);
        QVERIFY(cpack.waitForFinished(120000) && cpack.exitCode() == 0);
        const QString newer = dir.filePath(QStringLiteral("out/newer.msi"));
        const QString newerCode = productCode(newer);
        QVERIFY(!newerCode.isEmpty() && newerCode != productCode(older));

        Machine m;
        QVERIFY2(m.problem().isEmpty(), qPrintable(m.problem()));
        const auto install = [&](const QString& msi) {
            return m.run({QStringLiteral("msiexec"), QStringLiteral("/i"),
                          WinePrefix::windowsPath(msi), QStringLiteral("/qn")});
        };
        const QString installed = m.unixPath(ProgramFiles + QStringLiteral("\\scribblewick.exe"));
        QCOMPARE(install(older), 0);
        QCOMPARE(install(newer), 0);
        QCOMPARE(m.scribblewickEntries(QStringLiteral("HKLM")), QStringList{newerCode});
        QCOMPARE(m.entry(QStringLiteral("HKLM"), newerCode).value(QStringLiteral("DisplayVersion")),
                 newerVersion);
        QVERIFY2(contents(installed) == newerExe, "the newer exe was not installed");

        QCOMPARE(install(older), InstallFailed);
        QCOMPARE(m.scribblewickEntries(QStringLiteral("HKLM")), QStringList{newerCode});
        QVERIFY2(contents(installed) == newerExe, "the older MSI replaced the newer exe");
    }
};

QTEST_GUILESS_MAIN(WindowsInstallersTest)
#include "test_windows_installers.moc"
