#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class XSession;

// A private Wine prefix for one test program, made (wineboot) on a session's display. Its
// processes see a home and desktop folders of their own inside it, so nothing reaches the home
// folder of the user running the tests; its wineserver is ended when it goes.
class WinePrefix {
public:
    explicit WinePrefix(const XSession& session);
    ~WinePrefix();
    WinePrefix(const WinePrefix&) = delete;
    WinePrefix& operator=(const WinePrefix&) = delete;

    bool isReady() const { return error_.isEmpty(); }
    QString error() const { return error_; }
    QProcessEnvironment environment() const;
    // The command that runs `exe` in this prefix.
    QStringList command(const QString& exe) const { return {QStringLiteral(WINE64), exe}; }
    // Runs `wine64 arguments...` on the session's display, then waits for every process of the
    // prefix to end (an NSIS uninstaller goes on from a copy of itself in %TEMP%). The program's
    // exit code, modulo 256 as Wine passes it on, or -1; what it printed goes to `output`.
    int run(const XSession& session, const QStringList& arguments,
            QByteArray* output = nullptr) const;
    // Waits, ending nothing, for every process of this prefix to end.
    void waitForAll() const;
    // Ends every process of this prefix and waits for its wineserver to go.
    void endAll() const;
    // The prefix's C: drive, as a Unix path.
    QString driveC() const { return dir_.filePath(QStringLiteral("prefix/drive_c")); }
    // The Windows name of a Unix path (Wine's Z: drive is the Unix root).
    static QString windowsPath(const QString& unixPath);

private:
    QTemporaryDir dir_;
    QString error_;
};
