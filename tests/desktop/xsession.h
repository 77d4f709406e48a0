#pragma once

#include <QImage>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A private Xvfb display for one test program, and the tools a person's hands would be:
// xdotool for keys and clicks, ImageMagick's import for what the screen shows. Programs run
// here get a home folder of their own, so nothing lands in that of the user running the tests.
class XSession {
public:
    // `depth` bits a pixel: 24, or 8 for a 256-colour palette display.
    explicit XSession(int depth = 24);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool isRunning() const { return !display_.isEmpty(); }
    QString display() const { return display_; }
    QProcessEnvironment environment() const;

    // Runs a command on this display and returns what it printed; empty on failure.
    QString run(const QString& program, const QStringList& arguments, int timeoutMs = 20000) const;
    QImage screenshot() const;
    // xdotool with these arguments; false when it failed.
    bool xdotool(const QStringList& arguments) const {
        return !run(QStringLiteral("xdotool"), arguments).isEmpty();
    }
    // A window's X, Y, WIDTH and HEIGHT as xdotool reports them.
    QMap<QString, int> geometry(const QString& windowId) const;
    // The id of the first window titled `title`, waiting for it to appear; empty if it never did.
    QString waitForWindow(const QString& title, int timeoutMs = 20000) const;
    // The visible windows whose title matches `title`, a regular expression.
    QStringList windowsTitled(const QString& title) const;
    // Whether a window titled `title` is on the screen now.
    bool windowShown(const QString& title) const;
    // The pixels of a screen rectangle.
    QImage screenArea(const QRect& area) const { return screenshot().copy(area); }
    // What the clipboard holds as `target` (a MIME type, or TARGETS), read with xclip.
    QByteArray clipboard(const QString& target) const;

private:
    QProcess server_;
    QString display_;
    QTemporaryDir home_; // what the programs write to their home and settings folders
};

// Where two pictures' colours first differ, or "" when they match pixel for pixel.
QString pictureDifference(const QImage& a, const QImage& b);
// The box of a printed page's pixels that are not paper white.
QRect inkedBox(const QImage& page);
