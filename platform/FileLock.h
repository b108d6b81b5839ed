// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// A lock beside a file ("<file>.lock") held while a copy of the game reads,
// changes and writes the file back, so that two copies never interleave
// their changes and lose one. A lock left by a copy that has died is taken
// over; a lock that another copy holds for longer than the wait is a failure,
// never a hang and never a write without the lock.
#pragma once

#include <QLockFile>
#include <QString>
#include <chrono>

class FileLock {
public:
    static constexpr std::chrono::milliseconds DefaultWait{3000};

    explicit FileLock(const QString& path, std::chrono::milliseconds wait = DefaultWait);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return held; }

private:
    QLockFile lock;
    bool held = false;
};
