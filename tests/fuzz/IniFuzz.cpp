// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The INI functions on any file: one write, chosen by the input's last
// bytes, reads back as written and leaves every other key as it was.
#include "FuzzCheck.h"
#include "platform/IniFile.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

enum class Change { SetKey, DeleteKey, DeleteSection, WriteSection };

const QString SectionNames[] = {QStringLiteral("Numeric"), QStringLiteral("/pictures/sunset.jpg"),
                                QStringLiteral(" spaced "), QStringLiteral("C:\\Pics\\[old] pic.bmp"),
                                QStringLiteral("NUMERIC")};
const QString KeyNames[] = {QStringLiteral("0"),
                            QStringLiteral("1"),
                            QStringLiteral("Key"),
                            QStringLiteral("\uFEFFk"),
                            QStringLiteral(" k "),
                            QStringLiteral("Straße"),
                            QString()};
const QString Values[] = {QStringLiteral("v"),           QString(),
                          QStringLiteral("  padded  "),  QStringLiteral("'quoted'"),
                          QStringLiteral("\"x\""),       QStringLiteral(" 3~ 4 (12 pieces)~Ann~75"),
                          QStringLiteral("a=b;c[d]"),    QStringLiteral("\uFEFF\u00e9\U0001F9E9"),
                          QString(120, QLatin1Char('~'))};

// Section and key names compare as the profile functions compare them.
bool Same(const QString& a, const QString& b) { return QString::compare(a, b.trimmed(), Qt::CaseInsensitive) == 0; }

// What reading gives for a written value: trimmed, one pair of quotes less.
QString ReadBack(const QString& written) {
    const QString value = written.trimmed();
    const bool quoted =
        value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front();
    return quoted ? value.mid(1, value.size() - 2) : value;
}

template <typename T, size_t N> const T& Pick(FuzzedDataProvider& input, const T (&choices)[N]) {
    return choices[input.ConsumeIntegralInRange<size_t>(0, N - 1)];
}

// A name from the file or one of the list.
QString PickName(FuzzedDataProvider& input, const QStringList& fromFile, const QString* list, size_t count) {
    const size_t choice = input.ConsumeIntegralInRange<size_t>(0, size_t(fromFile.size()) + count - 1);
    return choice < size_t(fromFile.size()) ? fromFile[qsizetype(choice)] : list[choice - size_t(fromFile.size())];
}

QStringList SectionsOf(const TIniTable& table) {
    QStringList names;
    for (const TIniTable::Section& section : table.sections) names << section.name;
    return names;
}

QStringList KeysOf(const TIniTable& table, const QString& section) {
    QStringList keys;
    if (const TIniTable::Section* found = table.Find(section))
        for (const IniEntry& entry : found->entries) keys << entry.key;
    return keys;
}

// What the key reads as once its first entry is gone: the next one, if any.
std::optional<QString> AfterDeletion(const TIniTable& table, const QString& section, const QString& key) {
    int seen = 0;
    if (const TIniTable::Section* found = table.Find(section))
        for (const IniEntry& entry : found->entries)
            if (Same(entry.key, key) && ++seen == 2) return entry.value;
    return std::nullopt;
}

// The section seen once the first of that name is gone.
const TIniTable::Section* NextSection(const TIniTable& table, const QString& section) {
    const TIniTable::Section* first = table.Find(section);
    for (const TIniTable::Section& candidate : table.sections)
        if (&candidate != first && Same(candidate.name, section)) return &candidate;
    return nullptr;
}

QList<IniEntry> ReadBack(const QList<IniEntry>& written) {
    QList<IniEntry> entries;
    for (const IniEntry& entry : written) entries.append({entry.key.trimmed(), ReadBack(entry.value)});
    return entries;
}

bool SameEntries(const QList<IniEntry>& a, const QList<IniEntry>& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].key != b[i].key || a[i].value != b[i].value) return false;
    return true;
}

// Every key the change did not aim at reads as before.
void CheckOthers(const TIniTable& before, const TIniTable& after, const QString& section,
                 const std::optional<QString>& key) {
    for (const TIniTable::Section& visible : before.sections) {
        if (before.Find(visible.name) != &visible) continue; // hidden behind an earlier one
        const bool aimed = Same(visible.name, section);
        if (aimed && !key) continue;
        for (const IniEntry& entry : visible.entries)
            if (!(aimed && Same(entry.key, *key)))
                FUZZ_CHECK(after.Value(visible.name, entry.key) == before.Value(visible.name, entry.key));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const auto change = Change(input.ConsumeIntegralInRange<int>(0, 3));
    const size_t sectionChoice = input.ConsumeIntegral<uint8_t>(), keyChoice = input.ConsumeIntegral<uint8_t>();
    const QString& value = Pick(input, Values);
    const std::vector<uint8_t> rest = input.ConsumeRemainingBytes<uint8_t>();
    const QByteArray file(reinterpret_cast<const char*>(rest.data()), qsizetype(rest.size()));

    const TIniTable before = TIniTable::Parse(file);
    FuzzedDataProvider choices(reinterpret_cast<const uint8_t*>(&sectionChoice), 1);
    const QString section = PickName(choices, SectionsOf(before), SectionNames, std::size(SectionNames));
    FuzzedDataProvider keyChoices(reinterpret_cast<const uint8_t*>(&keyChoice), 1);
    const QString key = PickName(keyChoices, KeysOf(before, section), KeyNames, std::size(KeyNames));

    const QList<IniEntry> written = {{key, value}, {QStringLiteral("0"), value}};
    IniEdit edit;
    switch (change) {
    case Change::SetKey:
        edit = EditProfileString(file, section, key, value);
        break;
    case Change::DeleteKey:
        edit = EditProfileString(file, section, key, std::nullopt);
        break;
    case Change::DeleteSection:
        edit = EditProfileString(file, section, std::nullopt, std::nullopt);
        break;
    case Change::WriteSection:
        edit = EditProfileSection(file, section, written);
        break;
    }
    FUZZ_CHECK(!edit.refused);
    const TIniTable after = TIniTable::Parse(edit.bytes.value_or(file));

    switch (change) {
    case Change::SetKey:
        FUZZ_CHECK(after.Value(section, key) == ReadBack(value));
        break;
    case Change::DeleteKey:
        FUZZ_CHECK(after.Value(section, key) == AfterDeletion(before, section, key));
        break;
    case Change::DeleteSection: {
        const TIniTable::Section* next = NextSection(before, section);
        const TIniTable::Section* found = after.Find(section);
        FUZZ_CHECK(next ? found && SameEntries(found->entries, next->entries) : !found);
        break;
    }
    case Change::WriteSection: {
        const TIniTable::Section* found = after.Find(section);
        FUZZ_CHECK(found && SameEntries(found->entries, ReadBack(written)));
        break;
    }
    }
    const bool wholeSection = change == Change::DeleteSection || change == Change::WriteSection;
    CheckOthers(before, after, section, wholeSection ? std::nullopt : std::optional<QString>(key));
    return 0;
}
