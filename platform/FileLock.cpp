// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "FileLock.h"

namespace {

// Every copy holds the lock for milliseconds: one older than this was left
// behind (an empty lock file says nothing of its owner), and is taken over.
constexpr int StaleAfter = 5000; // milliseconds

} // namespace

FileLock::FileLock(const QString& path, std::chrono::milliseconds wait) : lock(path + QStringLiteral(".lock")) {
    lock.setStaleLockTime(StaleAfter);
    held = lock.tryLock(int(wait.count()));
}
