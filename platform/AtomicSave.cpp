// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "AtomicSave.h"

#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A file system that cannot sync says so with EINVAL; that is no failure.
bool SyncToDisk(int handle) { return ::fsync(handle) == 0 || errno == EINVAL; }

// The rename is on the disk only once the folder is: until then a crash of
// the system may bring back the old file, or neither.
void SyncFolderOf(const QString& path) {
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder < 0) return;
    SyncToDisk(folder);
    ::close(folder);
}

} // namespace

AtomicSave::AtomicSave(const QString& path) : file(path) {}

bool AtomicSave::Open() {
    failed = !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return !failed;
}

bool AtomicSave::Write(QByteArrayView bytes) {
    if (failed || !file.isOpen()) return Discard();
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) return Discard();
    return true;
}

bool AtomicSave::Commit() {
    if (failed || !file.isOpen() || !file.flush() || !SyncToDisk(file.handle())) return Discard();
    failed = !file.commit();
    if (!failed) SyncFolderOf(file.fileName());
    return !failed;
}

// Removes the temporary file now, not when the object goes away.
bool AtomicSave::Discard() {
    failed = true;
    if (file.isOpen()) {
        file.cancelWriting();
        file.commit();
    }
    return false;
}

bool SaveAtomically(const QString& path, QByteArrayView bytes) {
    AtomicSave file(path);
    return file.Open() && file.Write(bytes) && file.Commit();
}
