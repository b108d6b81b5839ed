// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// One measured figure beside its target, as the benchmarks print it.
#pragma once

#include <cstdio>

// Prints the line and returns whether the figure is at or below its target.
inline bool ReportTarget(const char* label, double value, const char* unit, double limit) {
    const bool met = value <= limit;
    std::printf("%-58s %8.1f %s   must <= %6.1f  %s\n", label, value, unit, limit, met ? "met" : "MISSED");
    return met;
}

// The same with the aim beside the target: returns whether the target is met.
inline bool ReportTargetAndAim(const char* label, double value, const char* unit, double limit, double aim) {
    const bool met = value <= limit;
    std::printf("%-58s %8.1f %s   must <= %6.1f  aim <= %6.1f  %s%s\n", label, value, unit, limit, aim,
                met ? "met" : "MISSED", value <= aim ? ", aim met" : "");
    return met;
}
