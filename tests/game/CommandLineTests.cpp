// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "QtPrinters.h"
#include "game/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

// Each command line against the decision the program takes before its window.
TEST(CommandLine, EachCommandLineGivesItsDecision) {
    struct Case {
        QStringList arguments;
        Action action;
        std::optional<QString> file;
        QStringList toolkit = {};
    };
    const Case cases[] = {
        {{}, Action::Play, std::nullopt},
        {{"photo.jpg"}, Action::Play, "photo.jpg"},
        {{"-"}, Action::Play, "-"},
        {{"--", "-photo.jpg"}, Action::Play, "-photo.jpg"},
        {{"--", "--help"}, Action::Play, "--help"},
        {{"--help"}, Action::ShowUsage, std::nullopt},
        {{"--version"}, Action::ShowVersion, std::nullopt},
        {{"photo.jpg", "--version"}, Action::ShowVersion, std::nullopt},
        {{"--verbose"}, Action::Refuse, std::nullopt},
        {{"-x"}, Action::Refuse, std::nullopt},
        {{"--bogus", "--version"}, Action::Refuse, std::nullopt},
        {{"one.jpg", "two.jpg"}, Action::Play, "one.jpg"},
        {{"-style", "fusion", "photo.jpg", "-reverse"}, Action::Play, "photo.jpg", {"-style", "fusion", "-reverse"}},
        {{"-session=1234", "-platform", "offscreen"}, Action::Play, std::nullopt, {"-session=1234", "-platform", "offscreen"}},
        {{"-style"}, Action::Refuse, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.file, c.file);
        EXPECT_EQ(line.toolkit, c.toolkit);
        EXPECT_EQ(line.problem.isEmpty(), c.action != Action::Refuse);
    }
}

} // namespace
