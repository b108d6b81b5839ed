// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "BestTimes.h"

#include <charconv>
#include <vector>

namespace {

// Reads the decimal number at the start of the text, after blanks; stops at
// the first other character.
int LeadingNumber(QStringView text) {
    int value = 0, i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
    for (; i < text.size() && text[i].isDigit() && value < 100000000; ++i) value = value * 10 + text[i].digitValue();
    return value;
}

// Appends `value` in decimal, right-aligned in `width` places as "%2d" or
// "%02d" put it; long lists are read far quicker than with QString::arg.
void AppendNumber(QString& text, int64_t value, int width = 0, char fill = ' ') {
    char digits[24];
    const char* const end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    for (qsizetype n = end - digits; n < width; ++n) text += QLatin1Char(fill);
    text += QLatin1String(digits, end);
}

// Appends the seconds as "%02d:%02d:%02d" puts hours, minutes and seconds.
void AppendTime(QString& text, int64_t seconds) {
    AppendNumber(text, seconds / 3600, 2, '0');
    text += QLatin1Char(':');
    AppendNumber(text, (seconds % 3600) / 60, 2, '0');
    text += QLatin1Char(':');
    AppendNumber(text, seconds % 60, 2, '0');
}

// The name is joined, never passed through arg(), so a "%1" in it stays.
QString JoinEntry(const QString& grid, const QString& name, int seconds) {
    return grid + QLatin1Char('~') + name + QLatin1Char('~') + QString::number(seconds);
}

QString EntryValue(int rows, int columns, const QString& name, int seconds) {
    return JoinEntry(QStringLiteral("%1~%2 (%3 pieces)").arg(rows, 2).arg(columns, 2).arg(rows * columns), name,
                     seconds);
}

// A key as the list numbers it: decimal, without sign or leading zeros.
std::optional<int> KeyNumber(const QString& key) {
    if (key.isEmpty() || key.size() > 9 || (key.size() > 1 && key[0] == QLatin1Char('0'))) return std::nullopt;
    int number = 0;
    for (const QChar c : key) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        number = number * 10 + (c.unicode() - '0');
    }
    return number;
}

} // namespace

TBestTimes TBestTimes::Parse(const QByteArray& fileBytes, const QString& section) {
    TBestTimes list;
    const TIniTable table = TIniTable::Parse(fileBytes);
    const TIniTable::Section* found = table.Find(section);
    if (!found) return list;
    // The first entry of each key counts. A run of keys from 0 cannot be
    // longer than the section, so keys beyond its length do not matter.
    const qsizetype length = found->entries.size();
    std::vector<std::optional<QString>> byKey(static_cast<size_t>(length));
    for (const IniEntry& entry : found->entries)
        if (const std::optional<int> key = KeyNumber(entry.key); key && *key < length && !byKey[size_t(*key)])
            byKey[size_t(*key)] = CutToBuffer(entry.value, MaxEntryLength + 1);
    for (size_t n = 0; n < byKey.size() && byKey[n]; ++n) list.values.append(*byKey[n]);
    return list;
}

std::optional<QString> TBestTimes::Entry(int n) const {
    if (n < 0 || n >= Count() || values[n].size() < 4) return std::nullopt;
    return DisplayText(values[n]);
}

// Allocates as little as it can: long lists display every entry.
QString TBestTimes::DisplayText(QString text) {
    if (text.size() >= 2 && text[1] == QLatin1Char('~')) text.prepend(QLatin1Char(' '));
    // The first "~" ends the rows, the second the columns; the last one
    // comes before the seconds, so a name may hold "~" itself.
    const qsizetype first = text.indexOf(QLatin1Char('~'));
    const qsizetype second = first >= 0 ? text.indexOf(QLatin1Char('~'), first + 1) : -1;
    const qsizetype last = second >= 0 ? text.lastIndexOf(QLatin1Char('~')) : -1;
    // The first two "~" become "x" and TAB, the seconds a clock time.
    QString marked;
    if (last > second) {
        marked.reserve(last + 16);
        marked += QStringView(text).left(last);
        marked[first] = QLatin1Char('x');
        marked[second] = QLatin1Char('\t');
        marked += QLatin1Char('\t');
        AppendTime(marked, LeadingNumber(QStringView(text).mid(last + 1)));
    } else {
        marked = FormatTime(0);
    }
    if (first < 0) return marked;
    int rows = 0, columns = 0;
    ParseGrid(marked, rows, columns);
    const qsizetype tab = marked.indexOf(QLatin1Char('\t'));
    QString shown;
    shown.reserve(marked.size() + 24);
    shown += QStringView(marked).left(first);
    shown += QStringLiteral(" x ");
    AppendNumber(shown, columns, 2);
    shown += QStringLiteral(" (");
    AppendNumber(shown, rows * columns);
    shown += QStringLiteral(" pieces)");
    if (tab >= 0) shown += QStringView(marked).mid(tab);
    return shown;
}

void TBestTimes::ParseGrid(const QString& text, int& rows, int& columns) {
    rows = LeadingNumber(QStringView(text).left(2));
    columns = 0;
    const qsizetype x = text.indexOf(QLatin1Char('x'));
    if (x < 0) return;
    qsizetype digit = x + 1;
    while (digit < text.size() && !text[digit].isDigit()) ++digit;
    if (digit < text.size()) columns = LeadingNumber(QStringView(text).mid(digit, 2));
}

QString TBestTimes::FormatTime(int seconds) {
    QString text;
    text.reserve(8);
    AppendTime(text, seconds);
    return text;
}

QString TBestTimes::Caption(int rows, int columns) {
    QString text;
    text.reserve(24);
    AppendNumber(text, rows, 2);
    text += QStringLiteral(" x ");
    AppendNumber(text, columns, 2);
    text += QStringLiteral(" (");
    AppendNumber(text, int64_t(rows) * columns);
    text += QStringLiteral(" pieces)");
    return text;
}

int TBestTimes::ParseTime(const QString& text) {
    const qsizetype first = text.indexOf(QLatin1Char(':')), last = text.lastIndexOf(QLatin1Char(':'));
    const QStringView view(text);
    if (first < 0) return LeadingNumber(view);
    return LeadingNumber(view.left(first)) * 3600 + LeadingNumber(view.mid(first + 1)) * 60 +
           LeadingNumber(view.mid(last + 1));
}

std::optional<std::pair<int, int>> TBestTimes::FindGrid(int columns, int rows) const {
    for (int n = 0; n < Count(); ++n) {
        const std::optional<QString> entry = Entry(n);
        if (!entry) continue;
        int r = 0, c = 0;
        ParseGrid(*entry, r, c);
        if (r == rows && c == columns)
            return std::pair{n, ParseTime(entry->mid(entry->lastIndexOf(QLatin1Char('\t')) + 1))};
    }
    return std::nullopt;
}

bool TBestTimes::IsBestTime(int columns, int rows, int seconds) const {
    const std::optional<std::pair<int, int>> found = FindGrid(columns, rows);
    return !found || found->second == 0 || seconds < found->second;
}

std::optional<IniEntry> TBestTimes::TimeToStore(int columns, int rows, const QString& name, int seconds) const {
    const std::optional<std::pair<int, int>> found = FindGrid(columns, rows);
    if (found && found->second != 0 && seconds >= found->second) return std::nullopt;
    return IniEntry{QString::number(found ? found->first : Count()),
                    EntryValue(rows, columns, StorableName(name, columns, rows, seconds), seconds)};
}

QString TBestTimes::ShortValue(int rows, int columns, const QString& name, int seconds) {
    return JoinEntry(QStringLiteral("%1~%2").arg(rows, 2).arg(columns, 2), name, seconds);
}

QString TBestTimes::StorableName(const QString& name, int columns, int rows, int seconds) {
    QString clean;
    for (const QChar ch : name)
        if (!ch.isNull() && ch.category() != QChar::Other_Control) clean += ch;
    const int room = MaxEntryLength - int(EntryValue(rows, columns, QString(), seconds).size());
    return clean.left(std::max(room, 0));
}
