// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The per-user settings store: typed values under one key, kept in a file in
// the REGEDIT4 text format ("$XDG_CONFIG_HOME/Vantrel/Slidora.reg").
#pragma once

#include <QMap>
#include <QString>
#include <cstdint>
#include <memory>

class FileLock;

// One stored value as read back.
struct StoredValue {
    enum class Kind {
        Missing, // no value of that name
        Integer, // dword
        Text,    // string, or hex(2): (expandable string)
        Other,   // any other type (hex:, hex(7):, ...): a value of the wrong type
    };
    Kind kind = Kind::Missing;
    uint32_t integer = 0;
    QString text;
    friend bool operator==(const StoredValue&, const StoredValue&) = default;
};

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    // Opens the key, creating it when missing; false when it can be neither
    // opened nor created. Values are read and written between Open and Close,
    // and no other copy of the game changes them in between.
    virtual bool Open() = 0;
    // Opens the key only to read it: no other copy waits meanwhile, and
    // what is written before Close is not saved.
    virtual bool OpenToRead() { return Open(); }
    virtual StoredValue Read(const QString& name) const = 0;
    virtual void WriteInteger(const QString& name, uint32_t value) = 0;
    virtual void WriteText(const QString& name, const QString& value) = 0;
    // Closes the key, saving what was written; false when saving failed.
    virtual bool Close() = 0;
    // Where the values are kept, for messages.
    virtual QString Location() const = 0;
    // The values are there but could not be read: Open fails from then on,
    // so that they are never overwritten in this run.
    virtual bool Unreadable() const = 0;
};

// The store in a file. Value names match exactly, letter case included.
// Values it does not know are kept. Between Open and Close the store holds
// the file's lock, so a save writes the file as it was read at Open with
// only this run's changes on it. Every save rewrites the whole file
// atomically: after a failed save the old file is intact. A file
// it cannot parse is read line by line as far as it can: a bad line is a
// missing value, never an error; of a file over the size limit the values
// within the limit are read (and kept by the next save).
class RegFileStore final : public ISettingsStore {
public:
    explicit RegFileStore(QString path);
    ~RegFileStore() override;

    // "$XDG_CONFIG_HOME/Vantrel/Slidora.reg", or "~/.config/Vantrel/Slidora.reg".
    static QString DefaultPath();

    bool Open() override;
    // Without the lock: a save replaces the file whole, so a read sees it
    // before or after, never half written.
    bool OpenToRead() override;
    StoredValue Read(const QString& name) const override;
    void WriteInteger(const QString& name, uint32_t value) override;
    void WriteText(const QString& name, const QString& value) override;
    // Open and Close may nest: only the outermost pair reads, saves and
    // locks (an Open within OpenToRead reads only too).
    bool Close() override;
    QString Location() const override;
    bool Unreadable() const override { return unreadable; }

    // The REGEDIT4 text of a set of values, and the values of such a text.
    static QByteArray Format(const QMap<QString, StoredValue>& values);
    static QMap<QString, StoredValue> Parse(const QByteArray& text);

private:
    bool OpenFor(bool changes);
    bool ReadFile();

    QString path;
    QMap<QString, StoredValue> values;
    std::unique_ptr<FileLock> lock;
    int depth = 0; // Open calls not yet closed
    bool changed = false;
    bool unreadable = false;
};
