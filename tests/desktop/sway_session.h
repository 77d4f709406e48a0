#pragma once

#include <QImage>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A private headless sway for one test program, and a person's hands and eyes at it: wtype
// for keys, a virtual pointer of the tests' own for clicks, grim for the screen and wl-paste
// for the clipboard. sway refuses root: run by root, it runs as nobody in a runtime folder of
// its own, and the programs shown here keep the test's user and a home folder of their own.
class SwaySession {
public:
    static constexpr QSize OutputSize{1280, 1024};

    // A window in sway's tree.
    struct Window {
        int id = 0; // the container's, for [con_id=...] criteria
        QString title;
        qint64 pid = 0;
        QRect surface; // the program's own surface on the screen, without sway's border
    };

    SwaySession();
    ~SwaySession();
    SwaySession(const SwaySession&) = delete;
    SwaySession& operator=(const SwaySession&) = delete;

    // What went wrong on the way, or "" when keys, clicks and screenshots work.
    QString problem() const { return problem_; }
    // For programs shown here (their WAYLAND_DISPLAY, SWAYSOCK, home and English texts).
    QProcessEnvironment environment() const;

    // swaymsg with these arguments: what it printed, or empty when it failed.
    QByteArray swaymsg(const QStringList& arguments) const;
    QList<Window> windows() const;
    // The first window titled `title`, waiting for it; id 0 if it never came.
    Window waitForWindow(const QString& title, int timeoutMs = 20000) const;
    bool focus(const Window& window) const;

    // Types `text` (not starting with "-") on the keyboard.
    bool type(const QString& text) const;
    // One key with its modifiers, "Escape" or "ctrl+s".
    bool key(const QString& combination) const;
    // Clicks the left button at `point`, then leaves the pointer in the screen's corner, where
    // its cursor stays out of screenshots.
    bool clickAt(QPoint point);
    bool moveTo(QPoint point);

    QImage screenshot() const;
    // What the clipboard holds as `mimeType`, read with wl-paste; "" for the list of types.
    QByteArray clipboard(const QString& mimeType) const;

private:
    bool run(const QString& program, const QStringList& arguments, QByteArray* out = nullptr,
             int timeoutMs = 20000) const;
    bool pointer(const QByteArray& request);
    void start();

    QTemporaryDir swayHome_; // sway's runtime folder: its sockets, configuration and log
    QTemporaryDir home_;     // the programs' home, settings and runtime folders
    QString socket_, ipc_;
    QProcess sway_, keyboard_, pointer_;
    QString problem_;
};
