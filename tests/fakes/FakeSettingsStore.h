// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// An in-memory settings store; the test sets values of any type and can
// make the key impossible to open or its saves fail.
#pragma once

#include "platform/SettingsStore.h"

class FakeSettingsStore final : public ISettingsStore {
public:
    bool Open() override {
        ++opened;
        return openable;
    }
    StoredValue Read(const QString& name) const override { return values.value(name); }
    void WriteInteger(const QString& name, uint32_t value) override {
        values[name] = StoredValue{StoredValue::Kind::Integer, value, {}};
        written << name;
    }
    void WriteText(const QString& name, const QString& value) override {
        values[name] = StoredValue{StoredValue::Kind::Text, 0, value};
        written << name;
    }
    bool Close() override {
        ++closed;
        return saves;
    }
    QString Location() const override { return QStringLiteral("/settings/Slidora.reg"); }
    bool Unreadable() const override { return unreadable; }

    void SetInteger(const QString& name, uint32_t value) { values[name] = {StoredValue::Kind::Integer, value, {}}; }
    void SetText(const QString& name, const QString& value) { values[name] = {StoredValue::Kind::Text, 0, value}; }

    QMap<QString, StoredValue> values;
    QStringList written; // names in the order written
    bool openable = true;
    bool unreadable = false; // with openable false: the values are there but cannot be read
    bool saves = true;
    int opened = 0;
    int closed = 0;
};
