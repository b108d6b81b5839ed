// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "SettingsStore.h"

#include "AtomicSave.h"
#include "FileLock.h"
#include "Utf8.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {

// Far more than the game ever writes; what lies beyond is not read.
constexpr qint64 MaxFileSize = qint64(4) << 20;

constexpr QByteArrayView KeyName = "HKEY_CURRENT_USER\\Software\\Vantrel\\Slidora";
constexpr QByteArrayView Utf8Bom = "\xEF\xBB\xBF";
constexpr int ExpandableStringType = 2;

struct Entry {
    QString name;
    StoredValue value;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

QByteArrayView TrimmedStart(QByteArrayView text) {
    while (!text.isEmpty() && IsBlank(text.front())) text = text.sliced(1);
    return text;
}

QByteArrayView Trimmed(QByteArrayView text) {
    text = TrimmedStart(text);
    while (!text.isEmpty() && IsBlank(text.back())) text.chop(1);
    return text;
}

bool StartsWithNoCase(QByteArrayView text, QByteArrayView prefix) {
    return text.size() >= prefix.size() && text.first(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// 1 to 8 hex digits, nothing else.
std::optional<uint32_t> ParseHexNumber(QByteArrayView digits) {
    if (digits.isEmpty() || digits.size() > 8) return {};
    uint32_t number = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) return {};
        number = number << 4 | uint32_t(digit);
    }
    return number;
}

// Comma-separated bytes of 1 or 2 hex digits each, blanks allowed around them.
std::optional<QByteArray> ParseHexBytes(QByteArrayView list) {
    QByteArray bytes;
    if (Trimmed(list).isEmpty()) return bytes;
    qsizetype start = 0;
    while (start <= list.size()) {
        qsizetype comma = list.indexOf(',', start);
        if (comma < 0) comma = list.size();
        const QByteArrayView token = Trimmed(list.sliced(start, comma - start));
        const std::optional<uint32_t> byte = token.size() <= 2 ? ParseHexNumber(token) : std::nullopt;
        if (!byte) return {};
        bytes += char(*byte);
        start = comma + 1;
    }
    return bytes;
}

// Replaces unpaired surrogates, so that every text has a UTF-8 form.
QString WellFormed(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            text[i] = QChar::ReplacementCharacter;
        }
    }
    return text;
}

// A text ends at its first NUL, as a Windows string does.
QString UpToNul(QString text) {
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0) text.truncate(nul);
    return text;
}

// UTF-16LE units; a dangling odd byte is ignored.
QString DecodeUtf16(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) text += QChar(uchar(bytes[i]) | uchar(bytes[i + 1]) << 8);
    return WellFormed(UpToNul(text));
}

QByteArray EncodeUtf16WithTerminator(const QString& text) {
    QByteArray bytes;
    bytes.reserve((text.size() + 1) * 2);
    for (QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    return bytes + QByteArray(2, '\0');
}

// Reads the quoted string that starts `text` and moves `text` past its closing
// quote. \\ and \" are escapes; a backslash before anything else is itself.
std::optional<QByteArray> TakeQuoted(QByteArrayView& text) {
    if (!text.startsWith('"')) return {};
    QByteArray result;
    for (qsizetype i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            text = text.sliced(i + 1);
            return result;
        }
        if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) c = text[++i];
        result += c;
    }
    return {};
}

QByteArray Quoted(QByteArrayView text) {
    QByteArray result = "\"";
    result.reserve(text.size() + 2);
    for (char c : text) {
        if (c == '\\' || c == '"') result += '\\';
        result += c;
    }
    return result + '"';
}

std::optional<StoredValue> ParseQuotedText(QByteArrayView value) {
    const std::optional<QByteArray> text = TakeQuoted(value);
    if (!text || !value.isEmpty()) return {};
    return StoredValue{StoredValue::Kind::Text, 0, UpToNul(DecodeUtf8(*text))};
}

std::optional<StoredValue> ParseDword(QByteArrayView value) {
    const std::optional<uint32_t> number = ParseHexNumber(value.sliced(6));
    if (!number) return {};
    return StoredValue{StoredValue::Kind::Integer, *number, {}};
}

// "hex:" (binary) or "hex(type):", then bytes. Type 2 is a string; the others
// are kept, in a canonical form, as the text of an Other value.
std::optional<StoredValue> ParseHex(QByteArrayView value) {
    value = value.sliced(3);
    std::optional<uint32_t> type;
    if (value.startsWith('(')) {
        const qsizetype close = value.indexOf(')');
        if (close < 0 || !(type = ParseHexNumber(value.sliced(1, close - 1)))) return {};
        value = value.sliced(close + 1);
    }
    if (!value.startsWith(':')) return {};
    const std::optional<QByteArray> bytes = ParseHexBytes(value.sliced(1));
    if (!bytes) return {};
    if (type == uint32_t(ExpandableStringType)) return StoredValue{StoredValue::Kind::Text, 0, DecodeUtf16(*bytes)};
    const QString form = type ? QStringLiteral("hex(%1):").arg(*type, 0, 16) : QStringLiteral("hex:");
    return StoredValue{StoredValue::Kind::Other, 0, form + QString::fromLatin1(bytes->toHex(','))};
}

std::optional<StoredValue> ParseValue(QByteArrayView value) {
    if (value.startsWith('"')) return ParseQuotedText(value);
    if (StartsWithNoCase(value, "dword:")) return ParseDword(value);
    if (StartsWithNoCase(value, "hex")) return ParseHex(value);
    return {};
}

class LineReader {
public:
    explicit LineReader(QByteArrayView text) : text(text) {}

    bool AtEnd() const { return position >= text.size(); }

    // The next line, without its line end and the blanks around it.
    QByteArrayView Next() {
        qsizetype end = text.indexOf('\n', position);
        if (end < 0) end = text.size();
        const QByteArrayView line = text.sliced(position, end - position);
        position = end + 1;
        return Trimmed(line);
    }

private:
    QByteArrayView text;
    qsizetype position = 0;
};

// A hex value ending in a backslash goes on on the next line.
QByteArray JoinContinuedLines(QByteArrayView first, LineReader& lines) {
    QByteArray joined = first.toByteArray();
    while (joined.endsWith('\\')) {
        joined.chop(1);
        if (lines.AtEnd()) break;
        joined += lines.Next();
    }
    return joined;
}

// `"Name"=value`, or `@=value` for the key's unnamed value (the empty name).
std::optional<Entry> ParseEntry(QByteArrayView line, LineReader& lines) {
    QByteArray name;
    if (line.startsWith('@')) {
        line = line.sliced(1);
    } else if (std::optional<QByteArray> quoted = TakeQuoted(line)) {
        name = std::move(*quoted);
    } else {
        return {};
    }
    line = TrimmedStart(line);
    if (!line.startsWith('=')) return {};
    line = TrimmedStart(line.sliced(1));
    QByteArray joined;
    if (StartsWithNoCase(line, "hex") && line.endsWith('\\')) line = joined = JoinContinuedLines(line, lines);
    std::optional<StoredValue> value = ParseValue(line);
    if (!value) return {};
    return Entry{DecodeUtf8(name), std::move(*value)};
}

// `header` is "[...]".
bool IsOurKey(QByteArrayView header) {
    return Trimmed(header.sliced(1, header.size() - 2)).compare(KeyName, Qt::CaseInsensitive) == 0;
}

// Texts with line breaks cannot be quoted on one line: they go as hex(2).
QByteArray FormatText(const QString& text) {
    const QString value = UpToNul(text);
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        return "hex(2):" + EncodeUtf16WithTerminator(value).toHex(',');
    return Quoted(value.toUtf8());
}

// The text after '=', or nothing for a value that has no such form.
QByteArray FormatValue(const StoredValue& value) {
    switch (value.kind) {
    case StoredValue::Kind::Integer:
        return "dword:" + QByteArray::number(value.integer, 16).rightJustified(8, '0');
    case StoredValue::Kind::Text:
        return FormatText(value.text);
    case StoredValue::Kind::Other: {
        const QByteArray form = value.text.toUtf8();
        const std::optional<StoredValue> parsed = ParseValue(form);
        return parsed && parsed->kind == StoredValue::Kind::Other ? form : QByteArray();
    }
    case StoredValue::Kind::Missing:
        break;
    }
    return {};
}

QByteArray FormatName(const QString& name) { return name.isEmpty() ? QByteArray("@") : Quoted(name.toUtf8()); }

} // namespace

RegFileStore::RegFileStore(QString path) : path(std::move(path)) {}

RegFileStore::~RegFileStore() = default;

QString RegFileStore::DefaultPath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Vantrel/Slidora.reg");
}

bool RegFileStore::Open() { return OpenFor(true); }

bool RegFileStore::OpenToRead() { return OpenFor(false); }

bool RegFileStore::OpenFor(bool changes) {
    if (depth > 0) {
        ++depth;
        return true;
    }
    if (unreadable || !QDir().mkpath(QFileInfo(path).absolutePath()) || QFileInfo(path).isDir()) return false;
    // Without the lock the values can still be read; only a save then fails.
    if (changes) lock = std::make_unique<FileLock>(path);
    if (!ReadFile()) {
        lock.reset();
        return false;
    }
    depth = 1;
    changed = false;
    return true;
}

bool RegFileStore::ReadFile() {
    values.clear();
    QFile file(path);
    if (!file.exists()) return true;
    // Read at most the limit, so that endless files end too; a longer file
    // is read up to its last whole line within the limit.
    const bool opened = file.open(QIODevice::ReadOnly);
    QByteArray text = opened ? file.read(MaxFileSize + 1) : QByteArray();
    if (!opened || file.error() != QFileDevice::NoError) {
        unreadable = true;
        return false;
    }
    if (text.size() > MaxFileSize) text.truncate(text.lastIndexOf('\n', MaxFileSize - 1) + 1);
    values = Parse(text);
    return true;
}
StoredValue RegFileStore::Read(const QString& name) const { return values.value(name); }

void RegFileStore::WriteInteger(const QString& name, uint32_t value) {
    values.insert(name, StoredValue{StoredValue::Kind::Integer, value, {}});
    changed = true;
}

void RegFileStore::WriteText(const QString& name, const QString& value) {
    values.insert(name, StoredValue{StoredValue::Kind::Text, 0, value});
    changed = true;
}

// Values written while the key was not open are not saved: they were read
// against no file, so saving them would drop the file's other values.
bool RegFileStore::Close() {
    if (depth > 1) {
        --depth;
        return true;
    }
    const bool mustSave = std::exchange(changed, false);
    const bool wasOpen = std::exchange(depth, 0) == 1;
    const bool saved = !mustSave || (wasOpen && lock && lock->Held() && SaveAtomically(path, Format(values)));
    lock.reset();
    return saved;
}

QString RegFileStore::Location() const { return path; }

// Values sorted by name, one a line, LF line ends; names with a line break
// cannot be written and are left out.
QByteArray RegFileStore::Format(const QMap<QString, StoredValue>& values) {
    QByteArray text = "REGEDIT4\n\n[" + KeyName.toByteArray() + "]\n";
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QByteArray value = FormatValue(it.value());
        if (value.isEmpty() || it.key().contains(QLatin1Char('\n'))) continue;
        text += FormatName(it.key()) + '=' + value + '\n';
    }
    return text + '\n';
}

// Line by line: lines that are not values of our key are skipped. Values
// before any key line count as ours, so a file without its header still reads.
QMap<QString, StoredValue> RegFileStore::Parse(const QByteArray& text) {
    QByteArrayView rest(text);
    if (rest.startsWith(Utf8Bom)) rest = rest.sliced(Utf8Bom.size());
    LineReader lines(rest);
    QMap<QString, StoredValue> values;
    bool inOurKey = true;
    while (!lines.AtEnd()) {
        const QByteArrayView line = lines.Next();
        if (line.startsWith('[') && line.endsWith(']')) {
            inOurKey = IsOurKey(line);
            continue;
        }
        std::optional<Entry> entry = ParseEntry(line, lines);
        if (entry && inOurKey) values.insert(entry->name, std::move(entry->value));
    }
    return values;
}
