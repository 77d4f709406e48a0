#pragma once

#include <QProcessEnvironment>
#include <QString>

// The environment of programs a test session runs: this machine's, with a home, settings and
// runtime folders of the session's own under `home`, English (a test of another language sets
// its own), and no tie to the desktop's display, scaling or D-Bus session. The session adds
// its display.
inline QProcessEnvironment sessionEnvironment(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR",
                             "DBUS_SESSION_BUS_ADDRESS", "LC_ALL", "LC_MESSAGES"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LANGUAGE"), QString());
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
    return env;
}
