// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "TerminationSignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstdlib>
#include <utility>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int Pipe[2] = {-1, -1}; // the handler writes into [0], the loop reads [1]
constexpr int Watched[] = {SIGTERM, SIGHUP, SIGINT};

void WriteByte(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(Pipe[0], &byte, 1);
    errno = saved;
}

void Handle(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : Watched) ::sigaction(signal, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> handler) : handler(std::move(handler)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, Pipe) != 0) return;
    notifier = new QSocketNotifier(Pipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::Arrived);
    Handle(WriteByte);
}

TerminationSignals::~TerminationSignals() {
    if (!notifier) return;
    Handle(SIG_DFL);
    delete notifier;
    ::close(Pipe[0]);
    ::close(Pipe[1]);
    Pipe[0] = Pipe[1] = -1;
}

void TerminationSignals::Arrived() {
    char bytes[16];
    while (::read(Pipe[1], bytes, sizeof bytes) > 0) {
    }
    handler();
}

namespace {

std::function<void()>& AtExit() {
    static std::function<void()> keep;
    return keep;
}

} // namespace

AbruptExitKeeper::AbruptExitKeeper(std::function<void()> keep) {
    static const bool registered = std::atexit([] {
        if (const std::function<void()> keep = std::exchange(AtExit(), nullptr)) keep();
    }) == 0;
    if (registered) AtExit() = std::move(keep);
}

AbruptExitKeeper::~AbruptExitKeeper() { AtExit() = nullptr; }
