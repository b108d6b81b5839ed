// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The best-times list on any file: every entry displays, and a time stored
// for a grid is listed afterwards and is no longer a best time.
#include "FuzzCheck.h"
#include "storage/BestTimes.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

const QString Names[] = {QStringLiteral("Ann"), QStringLiteral("A~B %1"), QString(200, QLatin1Char('n')),
                         QStringLiteral("\u00e9\U0001F9E9")};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int columns = input.ConsumeIntegralInRange(3, 20), rows = input.ConsumeIntegralInRange(3, 20);
    const int seconds = input.ConsumeIntegralInRange(1, 10000000);
    const QString& name = Names[input.ConsumeIntegralInRange<size_t>(0, std::size(Names) - 1)];
    const std::vector<uint8_t> rest = input.ConsumeRemainingBytes<uint8_t>();
    const QByteArray file(reinterpret_cast<const char*>(rest.data()), qsizetype(rest.size()));

    // The list of the file's first section, as the dialog would show it.
    const TIniTable table = TIniTable::Parse(file);
    const QString section = table.sections.isEmpty() ? QStringLiteral("Numeric") : table.sections.front().name;
    const TBestTimes list = TBestTimes::Parse(file, section);
    for (int n = 0; n < list.Count(); ++n) list.Entry(n);

    const std::optional<IniEntry> store = list.TimeToStore(columns, rows, name, seconds);
    FUZZ_CHECK(store.has_value() == list.IsBestTime(columns, rows, seconds));
    if (!store) return 0;
    FUZZ_CHECK(store->value.size() <= MaxEntryLength);
    const IniEdit edit = EditProfileString(file, section, store->key, store->value);
    FUZZ_CHECK(!edit.refused && edit.bytes);
    const TBestTimes after = TBestTimes::Parse(*edit.bytes, section);
    const std::optional<std::pair<int, int>> found = after.FindGrid(columns, rows);
    FUZZ_CHECK(found && found->first == store->key.toInt() && found->second == seconds);
    FUZZ_CHECK(after.Entry(found->first).has_value());
    FUZZ_CHECK(!after.IsBestTime(columns, rows, seconds));
    FUZZ_CHECK(after.Count() >= list.Count());
    return 0;
}
