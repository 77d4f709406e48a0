#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>
#endif

// Prints this process's peak resident memory, read from its own memory map: counted from
// exec on, unlike the rusage a parent gets, which includes the parent's pages at spawn.
inline void printPeakMemory() {
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters{};
    if (K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        std::printf("VmHWM:\t%llu kB\n",
                    static_cast<unsigned long long>(counters.PeakWorkingSetSize / 1024));
#else
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::strncmp(line, "VmHWM:", 6) == 0) std::fputs(line, stdout);
        std::fclose(status);
    }
#endif
}

// Ends the program once `watched` has painted for the first time: the first frame is done
// when the paint pass that painted it returns.
class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget& watched)
        : QObject(&watched) {
        watched.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool seen_ = false;
};
