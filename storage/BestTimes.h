// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The best-times list of one picture, read once from its section of a
// best-times file: the entries of keys "0", "1", ... up to the first key
// that is missing. An entry that cannot be used (fewer than four
// characters) is passed over and the next key read all the same, so reading
// and storing agree on where the list ends. Pure: a file's bytes in, values
// and the entry to write out.
#pragma once

#include "platform/IniFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// The longest entry value a list can read back.
constexpr int MaxEntryLength = 98;

class TBestTimes {
public:
    static TBestTimes Parse(const QByteArray& fileBytes, const QString& section);

    // Keys "0" .. Count() - 1 are there; a new grid is stored at Count().
    int Count() const { return int(values.size()); }
    // Entry n as display text: grid, TAB, name, TAB, time; nothing when
    // there is none or it cannot be used.
    std::optional<QString> Entry(int n) const;
    // The key of the grid's entry and its time in seconds; nothing when the
    // grid is not listed.
    std::optional<std::pair<int, int>> FindGrid(int columns, int rows) const;
    bool IsBestTime(int columns, int rows, int seconds) const;
    // The entry that stores the time, replacing the grid's old one or after
    // the last key; nothing when the time is no best time.
    std::optional<IniEntry> TimeToStore(int columns, int rows, const QString& name, int seconds) const;

    // A stored value as display text.
    static QString DisplayText(QString value);
    // Rows and columns from the start of a display or caption text.
    static void ParseGrid(const QString& text, int& rows, int& columns);
    static QString FormatTime(int seconds);
    // The list's caption of a grid: "%2d x %2d (%d pieces)".
    static QString Caption(int rows, int columns);
    static int ParseTime(const QString& text);
    // The value the dialog rewrites: rows, columns, name and seconds.
    static QString ShortValue(int rows, int columns, const QString& name, int seconds);
    // The name as it can be stored: no line breaks or other control
    // characters, and short enough for the entry to be read back.
    static QString StorableName(const QString& name, int columns, int rows, int seconds);

private:
    QStringList values; // by key, cut to MaxEntryLength
};
