// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// INI files with the semantics of the Windows profile-string functions.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

// The value of `key` in `section` of the file, or `defaultValue` when the
// file, the section or the key is missing. Section and key names compare
// without regard to case; blanks around keys and values are trimmed and one
// pair of enclosing quotes ('' or "") is dropped. The result, default
// included, is cut to bufferSize - 1 characters (bufferSize >= 1).
QString ReadProfileString(const QString& fileName, const QString& section, const QString& key,
                          const QString& defaultValue, int bufferSize);

struct IniEdit;

// Reads the file, asks `edit` what to make of its bytes and writes that back,
// all while holding the file's lock, so that a change made by another copy of
// the game in between is never lost. False when the lock cannot be had, the
// file cannot be read, the edit is refused or the file cannot be written.
bool UpdateProfileFile(const QString& fileName, const std::function<IniEdit(const QByteArray&)>& edit);

// Writes `key`=`value` into `section`, replacing the key's old value or
// adding the key at the end of the section (and the section at the end of
// the file). No value deletes the key; no key deletes the whole section.
// Creates the file, not its folder. The file is rewritten atomically.
// Returns false when the file cannot be written.
bool WriteProfileString(const QString& fileName, const QString& section, const std::optional<QString>& key,
                        const std::optional<QString>& value);

struct IniEntry {
    QString key;
    QString value;
};

// Replaces every entry of `section` with `entries`, in one atomic rewrite of
// the file; no entries delete the section. Returns false when the file
// cannot be written, leaving it as it was.
bool WriteProfileSection(const QString& fileName, const QString& section, const QList<IniEntry>& entries);

// The bytes of the file as the functions above read it: empty when it is
// missing, cannot be read or is too large.
QByteArray ReadProfileFile(const QString& fileName);

// ---- The same on a file's bytes, with no file: UTF-8, or Windows-1252
// when they are not valid UTF-8.

// A file's sections and their entries, values trimmed and unquoted, read once.
class TIniTable {
public:
    struct Section {
        QString name;
        QList<IniEntry> entries; // in file order, repeated keys included
    };

    static TIniTable Parse(const QByteArray& fileBytes);

    // The first section of that name, as the profile functions find it.
    const Section* Find(const QString& section) const;
    // The first entry of that key in that section; nothing when missing. Not cut.
    std::optional<QString> Value(const QString& section, const QString& key) const;

    QList<Section> sections; // in file order
};

// What a write does to a file's bytes.
struct IniEdit {
    bool refused = false;            // it could not be read back as written, or the file would be too large
    std::optional<QByteArray> bytes; // the new file; nothing when it need not change
};
IniEdit EditProfileString(const QByteArray& fileBytes, const QString& section, const std::optional<QString>& key,
                          const std::optional<QString>& value);
IniEdit EditProfileSection(const QByteArray& fileBytes, const QString& section, const QList<IniEntry>& entries);

// Cuts a value as a buffer of that size would, never halving a surrogate pair.
QString CutToBuffer(const QString& text, int bufferSize);
