#include "startup.h"

#include "artwork.h"
#include "form1.h"

#include <QApplication>
#include <QIcon>
#include <QStringList>
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
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

QStringList startupLog;

// While the platform starts, a display that cannot be reached ends the program with one line
// instead of an abort; other messages wait until the start has worked.
void startupMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        reportNoDisplay(programName);
        std::_Exit(EXIT_FAILURE);
    }
    if (type != QtDebugMsg && type != QtInfoMsg) startupLog.append(message);
}

} // namespace

int runToy(int argc, char* argv[], const std::function<void(Form1&)>& shown) {
    programName = argc > 0 ? argv[0] : nullptr;
    // cppcheck-suppress knownConditionTrueFalse ; depends on the platform macros
    if (!displayExpected()) {
        reportNoDisplay(programName);
        return EXIT_FAILURE;
    }
    const QtMessageHandler previous = qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString& message : std::as_const(startupLog))
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));

    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(artwork::icon());
    auto& form = forms::get<Form1>();
    form.setVisible(true);
    if (shown) shown(form);
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
