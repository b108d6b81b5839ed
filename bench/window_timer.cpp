// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Times a program's start as a player sees it: from its launch to the last
// drawing into its window before the window stays still, and the program's
// peak resident memory at that point. Without a window title it times the
// program until it ends (for a command-line decoder).
//
// Usage: window_timer [--title TITLE] [--quiet MS] [--timeout S] -- PROGRAM ARGS...
// Prints "milliseconds peak-kB" on one line.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    std::string title;
    int quietMs = 400;
    int timeoutS = 30;
    std::vector<char*> command;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; i += 2) {
        if (i + 1 >= argc) return std::nullopt;
        const std::string name = argv[i];
        if (name == "--title")
            options.title = argv[i + 1];
        else if (name == "--quiet")
            options.quietMs = std::atoi(argv[i + 1]);
        else if (name == "--timeout")
            options.timeoutS = std::atoi(argv[i + 1]);
        else
            return std::nullopt;
    }
    for (++i; i < argc; ++i) options.command.push_back(argv[i]);
    if (options.command.empty()) return std::nullopt;
    options.command.push_back(nullptr);
    return options;
}

pid_t Launch(const std::vector<char*>& command) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(command[0], command.data());
        _exit(127);
    }
    return pid;
}

// Windows come and go while the program starts: errors about them are expected.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

long PeakKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

double Milliseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

bool HasTitle(Display* display, Window window, const std::string& title) {
    char* name = nullptr;
    const bool same = XFetchName(display, window, &name) && name && title == name;
    if (name) XFree(name);
    return same;
}

// Waits for an X event or until `deadline`; false when the deadline passed.
bool WaitForEvent(Display* display, Clock::time_point deadline) {
    while (!XPending(display)) {
        const double left = Milliseconds(Clock::now(), deadline);
        if (left <= 0) return false;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, int(left) + 1);
    }
    return true;
}

// The time of the last drawing into the program's window titled `title`,
// once nothing has been drawn into it for the quiet time; nothing on timeout.
std::optional<Clock::time_point> LastDrawing(Display* display, const Options& options, Clock::time_point start) {
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) return std::nullopt;
    const Clock::time_point giveUp = start + std::chrono::seconds(options.timeoutS);
    std::set<Window> shown; // mapped top-level windows with the title
    std::optional<Clock::time_point> last;
    for (;;) {
        const Clock::time_point deadline =
            last ? std::min(giveUp, *last + std::chrono::milliseconds(options.quietMs)) : giveUp;
        if (!WaitForEvent(display, deadline)) return last;
        XEvent event;
        XNextEvent(display, &event);
        // Every new top-level window is watched from its creation, so that
        // no drawing is missed; only the titled one counts.
        if (event.type == CreateNotify) XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
        if (event.type == MapNotify && HasTitle(display, event.xmap.window, options.title))
            shown.insert(event.xmap.window);
        if (event.type == damageEvent + XDamageNotify &&
            shown.count(reinterpret_cast<XDamageNotifyEvent&>(event).drawable))
            last = Clock::now();
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: window_timer [--title TITLE] [--quiet MS] [--timeout S] -- PROGRAM ARGS...\n");
        return 2;
    }
    if (options->title.empty()) {
        const Clock::time_point start = Clock::now();
        const pid_t pid = Launch(options->command);
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        std::printf("%.1f %ld\n", Milliseconds(start, Clock::now()), usage.ru_maxrss);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_timer: no X display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const Clock::time_point start = Clock::now();
    const pid_t pid = Launch(options->command);
    const std::optional<Clock::time_point> drawn = LastDrawing(display, *options, start);
    const long peak = PeakKilobytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    if (!drawn) {
        std::fprintf(stderr, "window_timer: no window titled %s was drawn\n", options->title.c_str());
        return 1;
    }
    std::printf("%.1f %ld\n", Milliseconds(start, *drawn), peak);
    return 0;
}
