// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Replacing a file whole, so that it is never left half-written. The new
// contents go to a temporary file in the same folder; every write reaches
// the system at once and is checked (no buffer is left to be flushed where
// a failure would go unseen); the data is synced to the disk; only then is
// the temporary file renamed over the old one. After any failure the old
// file is as it was, no temporary file is left, and the caller is told.
#pragma once

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

class AtomicSave {
public:
    explicit AtomicSave(const QString& path);

    // Creates the temporary file; false when it cannot be created.
    bool Open();
    // Writes all of the bytes; false when any of them could not be written.
    bool Write(QByteArrayView bytes);
    // Puts the new file in place of the old one; false when this or any
    // step before failed.
    bool Commit();

private:
    bool Discard();

    QSaveFile file;
    bool failed = false;
};

// Open, Write and Commit in one: false when the file could not be replaced.
bool SaveAtomically(const QString& path, QByteArrayView bytes);
