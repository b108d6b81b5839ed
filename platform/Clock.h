// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The system tick count and a sleep, injected so tests can drive time.
#pragma once

#include <cstdint>

class IClock {
public:
    virtual ~IClock() = default;
    // Milliseconds from a monotonic clock, wrapping around at 2^32.
    virtual uint32_t TickCount() = 0;
    virtual void Sleep(int milliseconds) = 0;
};

class SystemClock final : public IClock {
public:
    uint32_t TickCount() override;
    void Sleep(int milliseconds) override;
};
