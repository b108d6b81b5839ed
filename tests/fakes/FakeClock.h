// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// A clock that moves only when the test says so; sleeps advance it.
#pragma once

#include "platform/Clock.h"

#include <vector>

class FakeClock final : public IClock {
public:
    uint32_t TickCount() override { return now; }
    void Sleep(int milliseconds) override {
        sleeps.push_back(milliseconds);
        now += uint32_t(milliseconds);
    }
    void Advance(uint32_t milliseconds) { now += milliseconds; }

    uint32_t now = 1000;
    std::vector<int> sleeps;
};
