#include "startup.h"

#include "forms/artwork.h"
#include "translations/language.h"
#include "windows/form1.h"
#ifdef Q_OS_WASM
#include "web_page.h"
#endif

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// One line saying what to do, with the program named as it was started: it need not be on
// PATH, and xvfb-run comes only with the xvfb package.
void reportNoDisplay(const char* program) {
    std::fprintf(stderr,
                 "scribblewick: no display to open a window on; start it from a desktop session "
                 "(X11 or Wayland), or under a virtual display: install the xvfb package, then "
                 "run xvfb-run -a %s\n",
                 program && *program ? program : "scribblewick");
}

const char* programName = nullptr;

// On X11 and Wayland desktops a window needs a display server; without one Qt would abort.
bool displayExpected() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_WASM)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

QStringList startupLog;

// What Qt's X11 and Wayland plugins say when the display server cannot be reached.
bool saysNoDisplay(const QString& message) {
    return message.startsWith(QLatin1String("could not connect to display")) ||
           message.startsWith(QLatin1String("Failed to create wl_display"));
}

// While the platform starts, a fatal error ends the program with its reason instead of an
// abort: one line when there is no display, else Qt's own words (a plugin that will not load,
// say). Other messages wait until the start has worked.
void startupMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        if (std::any_of(startupLog.cbegin(), startupLog.cend(), saysNoDisplay)) {
            reportNoDisplay(programName);
        } else {
            for (const QString& line : std::as_const(startupLog))
                std::fprintf(stderr, "%s\n", qUtf8Printable(line));
            std::fprintf(stderr, "scribblewick: could not start: %s\n", qUtf8Printable(message));
        }
        std::_Exit(EXIT_FAILURE);
    }
    if (type != QtDebugMsg && type != QtInfoMsg) startupLog.append(message);
}

// Qt draws only on displays of 16 bits a pixel or more (X11 at 8 gives a black window and a
// crash in the first text field); Windows converts for it.
bool displayTooShallow() {
#ifdef Q_OS_WIN
    return false;
#else
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->depth() < 16;
#endif
}

} // namespace

int runToy(int argc, char* argv[], const std::function<void(Form1&)>& shown) {
#ifdef Q_OS_WASM
    web_page::mark("main");
#endif
    programName = argc > 0 ? argv[0] : nullptr;
    // cppcheck-suppress knownConditionTrueFalse ; depends on the platform macros
    if (!displayExpected()) {
        reportNoDisplay(programName);
        return EXIT_FAILURE;
    }
#ifdef Q_OS_WASM
    web_page::takeLanguage();
#endif
    const QStringList languages = translations::desktopLanguages();
    translations::useFontsFor(translations::choose(languages));
    const QtMessageHandler previous = qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    // Before any window is made: each takes its words, and its reading direction, as it is built.
    [[maybe_unused]] const QString language = translations::install(languages);
    for (const QString& message : std::as_const(startupLog))
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    if (displayTooShallow()) {
        std::fprintf(stderr,
                     "scribblewick: the display has %d bits a pixel and Qt cannot draw on it; "
                     "use a display of 16 or 24 bits a pixel\n",
                     QGuiApplication::primaryScreen()->depth());
        return EXIT_FAILURE;
    }

    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(artwork::icon());
#ifdef Q_OS_WASM
    web_page::mark("application");
    web_page::beforeWindows(language);
#endif
    auto& form = forms::get<Form1>();
#ifdef Q_OS_WASM
    web_page::prepare(form);
#endif
    form.setVisible(true);
#ifdef Q_OS_WASM
    web_page::mark("shown");
    web_page::shown(form, language);
#endif
    if (shown) shown(form);
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
