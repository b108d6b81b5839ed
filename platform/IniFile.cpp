// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "IniFile.h"

#include "AtomicSave.h"
#include "FileLock.h"
#include "Utf8.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

// The file is handled as bytes, line by line, so that a rewrite keeps every
// line it does not change exactly as it was, whatever its line break. Files
// are UTF-8; one that is not (written in the old single-byte code page) is
// read as Windows-1252 and, when rewritten, converted to UTF-8 as a whole.

namespace {

// Larger files are read as empty and never rewritten: a settings file this
// big is damaged or not ours, and rewriting it could only make it worse.
constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

// Windows-1252 differs from Latin-1 in 0x80..0x9F; its five unused bytes
// stand for the control characters of the same value, as on Windows.
QString FromWindows1252(const QByteArray& bytes) {
    static const char16_t high[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                      0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes[i]);
        text[i] = QChar(byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : char16_t(byte));
    }
    return text;
}

QByteArray AsUtf8(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? FromWindows1252(bytes).toUtf8() : bytes;
}

// The whole file; empty when it does not exist, nothing when it exists but
// cannot be read or is too large.
std::optional<QByteArray> ReadIniBytes(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists()) return QByteArray();
    if (!info.isFile() || info.size() > MaxFileBytes) return std::nullopt;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes) return std::nullopt;
    return bytes;
}

qsizetype TextStart(const QByteArray& data) { return data.startsWith(ByteOrderMark) ? ByteOrderMark.size() : 0; }

// A line's text runs from `begin` to `textEnd`; its line break (LF, CR LF, a
// lone CR or nothing at the end of the file) runs on to `end`.
struct LineSpan {
    qsizetype begin = 0;
    qsizetype textEnd = 0;
    qsizetype end = 0;
};

LineSpan LineAt(const QByteArray& data, qsizetype begin) {
    LineSpan line{begin, begin, begin};
    while (line.textEnd < data.size() && data[line.textEnd] != '\n' && data[line.textEnd] != '\r') ++line.textEnd;
    line.end = line.textEnd;
    if (line.end < data.size() && data[line.end] == '\r') ++line.end;
    if (line.end < data.size() && data[line.end] == '\n') ++line.end;
    return line;
}

// New lines get the file's first line break, or LF in a file without one.
QByteArray LineBreakOf(const QByteArray& data) {
    const LineSpan first = LineAt(data, TextStart(data));
    return first.end > first.textEnd ? data.mid(first.textEnd, first.end - first.textEnd) : QByteArray("\n");
}

// What a line says. Comments, header lines without ']' and lines without
// '=' mean nothing.
struct LineMeaning {
    enum Kind { Blank, Header, Entry, Other } kind = Other;
    QString name;
    QString value;
};

LineMeaning Interpret(const QByteArray& data, const LineSpan& line) {
    // A key may begin with U+FEFF.
    const QString text = DecodeUtf8(QByteArrayView(data).sliced(line.begin, line.textEnd - line.begin)).trimmed();
    if (text.isEmpty()) return {LineMeaning::Blank, {}, {}};
    if (text.startsWith(u';')) return {};
    if (text.startsWith(u'[')) {
        // The last ']' closes the name, so names holding ']' (file paths) survive.
        const qsizetype close = text.lastIndexOf(u']');
        if (close < 0) return {};
        return {LineMeaning::Header, text.mid(1, close - 1).trimmed(), {}};
    }
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0) return {};
    return {LineMeaning::Entry, text.left(equals).trimmed(), text.mid(equals + 1).trimmed()};
}

bool SameName(const QString& a, const QString& b) { return QString::compare(a, b.trimmed(), Qt::CaseInsensitive) == 0; }

// Where the first section of that name lies and, when asked for, the first
// entry of that key in it.
struct SectionSpan {
    qsizetype headerBegin = -1; // -1: there is no such section
    qsizetype end = 0;          // where the next section starts
    qsizetype contentEnd = 0;   // after the section's last non-blank line
    bool contentEndsWithBreak = true;
    std::optional<LineSpan> keyLine;
};

SectionSpan FindSection(const QByteArray& data, const QString& section, const std::optional<QString>& key) {
    SectionSpan found;
    for (qsizetype at = TextStart(data); at < data.size();) {
        const LineSpan line = LineAt(data, at);
        at = line.end;
        const LineMeaning meaning = Interpret(data, line);
        if (found.headerBegin < 0) {
            if (meaning.kind == LineMeaning::Header && SameName(meaning.name, section)) {
                found.headerBegin = line.begin;
                found.contentEnd = line.end;
                found.contentEndsWithBreak = line.end > line.textEnd;
            }
            continue;
        }
        if (meaning.kind == LineMeaning::Header) {
            found.end = line.begin;
            return found;
        }
        if (meaning.kind == LineMeaning::Entry && key && SameName(meaning.name, *key)) {
            found.keyLine = line;
            return found;
        }
        if (meaning.kind != LineMeaning::Blank) {
            found.contentEnd = line.end;
            found.contentEndsWithBreak = line.end > line.textEnd;
        }
    }
    found.end = data.size();
    return found;
}

QString WithoutQuotes(const QString& value) {
    const bool quoted =
        value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front();
    return quoted ? value.mid(1, value.size() - 2) : value;
}

bool HasLineBreak(const QString& text) { return text.contains(u'\n') || text.contains(u'\r'); }

// Refuses what could not be read back as written: line breaks anywhere, and
// keys that would read as a comment, a section header or a different key.
bool CanBeWritten(const QString& section, const std::optional<QString>& key, const std::optional<QString>& value) {
    if (HasLineBreak(section)) return false;
    if (!key) return true;
    const QString name = key->trimmed();
    if (HasLineBreak(name) || name.contains(u'=') || name.startsWith(u';') || name.startsWith(u'[')) return false;
    return !value || !HasLineBreak(*value);
}

QByteArray Removed(QByteArray data, qsizetype begin, qsizetype end) { return data.remove(begin, end - begin); }

QByteArray EntryLine(const QString& key, const QString& value) { return (key.trimmed() + u'=' + value).toUtf8(); }

QByteArray SectionLines(const QString& section, const QList<IniEntry>& entries, const QByteArray& lineBreak) {
    QByteArray lines = '[' + section.trimmed().toUtf8() + ']' + lineBreak;
    for (const IniEntry& entry : entries) lines += EntryLine(entry.key, entry.value) + lineBreak;
    return lines;
}

// A new section goes at the end of the file, on a line of its own.
QByteArray WithSectionAdded(QByteArray data, const QByteArray& lines, const QByteArray& lineBreak) {
    if (data.size() > TextStart(data) && !data.endsWith('\n') && !data.endsWith('\r')) data += lineBreak;
    return data + lines;
}

QByteArray WithEntry(QByteArray data, const SectionSpan& span, const QString& section, const QString& key,
                     const QString& value) {
    const QByteArray lineBreak = LineBreakOf(data);
    const QByteArray entry = EntryLine(key, value);
    if (span.keyLine) return data.replace(span.keyLine->begin, span.keyLine->textEnd - span.keyLine->begin, entry);
    if (span.headerBegin >= 0) {
        const QByteArray breakBefore = span.contentEndsWithBreak ? QByteArray() : lineBreak;
        return data.insert(span.contentEnd, breakBefore + entry + lineBreak);
    }
    return WithSectionAdded(data, SectionLines(section, {{key, value}}, lineBreak), lineBreak);
}

// The file after the change, or nothing when there is nothing to change.
std::optional<QByteArray> Edited(const QByteArray& data, const QString& section, const std::optional<QString>& key,
                                 const std::optional<QString>& value) {
    const SectionSpan span = FindSection(data, section, key);
    if (!key) {
        if (span.headerBegin < 0) return std::nullopt;
        return Removed(data, span.headerBegin, span.end);
    }
    if (!value) {
        if (!span.keyLine) return std::nullopt;
        return Removed(data, span.keyLine->begin, span.keyLine->end);
    }
    return WithEntry(data, span, section, *key, *value);
}

// The section's header and entries are replaced in place; blank lines after
// them stay.
std::optional<QByteArray> WithSection(const QByteArray& data, const QString& section, const QList<IniEntry>& entries) {
    const SectionSpan span = FindSection(data, section, std::nullopt);
    if (entries.isEmpty()) {
        if (span.headerBegin < 0) return std::nullopt;
        return Removed(data, span.headerBegin, span.end);
    }
    const QByteArray lineBreak = LineBreakOf(data);
    const QByteArray lines = SectionLines(section, entries, lineBreak);
    if (span.headerBegin < 0) return WithSectionAdded(data, lines, lineBreak);
    QByteArray edited = data;
    return edited.replace(span.headerBegin, span.contentEnd - span.headerBegin, lines);
}

IniEdit Checked(std::optional<QByteArray> edited) {
    if (edited && edited->size() > MaxFileBytes) return {true, std::nullopt};
    return {false, std::move(edited)};
}

bool Save(const QString& fileName, const IniEdit& edit) {
    return !edit.refused && (!edit.bytes || SaveAtomically(fileName, *edit.bytes));
}

} // namespace

TIniTable TIniTable::Parse(const QByteArray& fileBytes) {
    const QByteArray data = AsUtf8(fileBytes);
    TIniTable table;
    for (qsizetype at = TextStart(data); at < data.size();) {
        const LineSpan line = LineAt(data, at);
        at = line.end;
        LineMeaning meaning = Interpret(data, line);
        if (meaning.kind == LineMeaning::Header) table.sections.append({std::move(meaning.name), {}});
        if (meaning.kind == LineMeaning::Entry && !table.sections.isEmpty())
            table.sections.back().entries.append({std::move(meaning.name), WithoutQuotes(meaning.value)});
    }
    return table;
}

const TIniTable::Section* TIniTable::Find(const QString& section) const {
    for (const Section& candidate : sections)
        if (SameName(candidate.name, section)) return &candidate;
    return nullptr;
}

std::optional<QString> TIniTable::Value(const QString& section, const QString& key) const {
    if (const Section* found = Find(section))
        for (const IniEntry& entry : found->entries)
            if (SameName(entry.key, key)) return entry.value;
    return std::nullopt;
}

IniEdit EditProfileString(const QByteArray& fileBytes, const QString& section, const std::optional<QString>& key,
                          const std::optional<QString>& value) {
    if (!CanBeWritten(section, key, value)) return {true, std::nullopt};
    return Checked(Edited(AsUtf8(fileBytes), section, key, value));
}

IniEdit EditProfileSection(const QByteArray& fileBytes, const QString& section, const QList<IniEntry>& entries) {
    if (!CanBeWritten(section, std::nullopt, std::nullopt)) return {true, std::nullopt};
    for (const IniEntry& entry : entries)
        if (!CanBeWritten(section, entry.key, entry.value)) return {true, std::nullopt};
    return Checked(WithSection(AsUtf8(fileBytes), section, entries));
}

// Never leaves half of a surrogate pair at the end.
QString CutToBuffer(const QString& text, int bufferSize) {
    const qsizetype length = std::max(bufferSize, 1) - 1;
    if (text.size() <= length) return text;
    QString cut = text.left(length);
    if (!cut.isEmpty() && cut.back().isHighSurrogate()) cut.chop(1);
    return cut;
}

QByteArray ReadProfileFile(const QString& fileName) { return ReadIniBytes(fileName).value_or(QByteArray()); }

QString ReadProfileString(const QString& fileName, const QString& section, const QString& key,
                          const QString& defaultValue, int bufferSize) {
    return CutToBuffer(TIniTable::Parse(ReadProfileFile(fileName)).Value(section, key).value_or(defaultValue),
                       bufferSize);
}

// Deleting what is not there succeeds without touching (or creating) the
// file. A file that exists but cannot be read, is over the size limit or
// would grow over it is left alone and the write fails.
bool UpdateProfileFile(const QString& fileName, const std::function<IniEdit(const QByteArray&)>& edit) {
    const FileLock lock(fileName);
    if (!lock.Held()) return false;
    const std::optional<QByteArray> data = ReadIniBytes(fileName);
    return data && Save(fileName, edit(*data));
}

bool WriteProfileString(const QString& fileName, const QString& section, const std::optional<QString>& key,
                        const std::optional<QString>& value) {
    return UpdateProfileFile(fileName, [&](const QByteArray& data) { return EditProfileString(data, section, key, value); });
}

bool WriteProfileSection(const QString& fileName, const QString& section, const QList<IniEntry>& entries) {
    return UpdateProfileFile(fileName, [&](const QByteArray& data) { return EditProfileSection(data, section, entries); });
}
