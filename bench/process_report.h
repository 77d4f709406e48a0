#pragma once

// What a start-up program reports on stdout, with no Qt, so the plain Win32 floor reports the
// same way as the Qt programs.
#include <chrono>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>
#endif

// Prints this process's peak resident memory, read from its own memory map: counted from
// exec on, unlike the rusage a parent gets, which includes the parent's pages at spawn.
inline void printPeakMemory() {
#ifdef _WIN32
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

// Prints the wall clock now, in microseconds since 1970: whoever started the program subtracts
// the time of the exec. Under Wine both read the host's clock.
inline void printFirstFrameTime() {
#ifdef _WIN32
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    // 100-nanosecond ticks since 1601
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const long long us = static_cast<long long>((ticks - 116444736000000000ULL) / 10);
#else
    const long long us = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
#endif
    std::printf("first frame: %lld us\n", us);
    std::fflush(stdout);
}
