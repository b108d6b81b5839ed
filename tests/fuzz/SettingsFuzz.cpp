// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The settings store's reader: any bytes give values that format and parse
// back to themselves.
#include "FuzzCheck.h"
#include "platform/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QMap<QString, StoredValue> values = RegFileStore::Parse(InputBytes(data, size));
    for (const StoredValue& value : values) FUZZ_CHECK(value.kind != StoredValue::Kind::Missing);
    const QByteArray text = RegFileStore::Format(values);
    const QMap<QString, StoredValue> again = RegFileStore::Parse(text);
    FUZZ_CHECK(again == values);
    FUZZ_CHECK(RegFileStore::Format(again) == text);
    return 0;
}
