#pragma once

#include "xsession.h"

#include <QRect>

// The built toy, started on a session's display.
class Toy {
public:
    // `extraEnvironment` adds to or overrides the session's environment; `command` starts
    // another build of the toy (the Windows one under Wine) in place of the Linux one; `title`
    // is the main window's, a regular expression, in the language the toy speaks.
    explicit Toy(const XSession& session, const QProcessEnvironment& extraEnvironment = {},
                 const QStringList& command = {}, int timeoutMs = 20000,
                 const QString& title = QStringLiteral("^Scribblewick!$"));
    ~Toy();
    Toy(const Toy&) = delete;
    Toy& operator=(const Toy&) = delete;

    // The main window's X id once it is mapped; empty if it never appeared.
    QString windowId() const { return windowId_; }
    // Why the window did not appear; empty when it did.
    QString startProblem() const { return problem_; }
    QProcess& process() { return process_; }
    // All the toy has written to stderr so far (shown again when the test ends).
    QString errorOutput();
    bool waitForExit(int timeoutMs = 10000);
    // Sends the WM_DELETE_WINDOW request a window manager's close box would send.
    bool requestClose() const;

private:
    const XSession& session_;
    QProcess process_;
    QString windowId_;
    QString problem_;
    QByteArray errors_;
};

// Where the toy's inner area (under its menu bar) lies on a display with no window manager.
inline constexpr QRect ClientArea(68, 84, 599, 439);

// A private display with the toy shown and focused on it: how most desktop tests begin.
//   ToyOnDisplay session;
//   QVERIFY2(session.problem().isEmpty(), qPrintable(session.problem()));
//   auto& [x, toy] = session;
struct ToyOnDisplay {
    explicit ToyOnDisplay(const QProcessEnvironment& extraEnvironment = {});
    // What went wrong on the way, or "" when the toy is ready for keys and clicks.
    QString problem() const;

    XSession x;
    Toy toy;
};
