// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "QtPrinters.h"
#include "game/CommandLine.h"
#include "platform/Translations.h"

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

// The usage in every language: its own words, the options, file names and
// the program's name as typed, each option in its column.
TEST(CommandLine, TheUsageInEveryLanguageKeepsWhatIsTypedInItsPlace) {
    const QStringList english = UsageText().split(QLatin1Char('\n'));
    ASSERT_EQ(english.first(), QStringLiteral("Usage: slidora [PICTURE | GAME.sdr]"));
    for (const QString& language : TranslatedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        QTranslator translation;
        ASSERT_TRUE(LoadTranslation(translation, QLocale(language)));
        const QStringList lines = UsageText(&translation).split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), english.size());
        EXPECT_NE(lines, english);
        EXPECT_TRUE(lines.first().contains(QStringLiteral(" slidora [PICTURE | GAME.sdr]"))) << lines.first().toStdString();
        for (qsizetype i = 0; i < english.size(); ++i)
            if (english[i].startsWith(QLatin1String("  "))) EXPECT_EQ(lines[i].left(14), english[i].left(14));
        for (const char* option : {"-style", "-platform", "-reverse"}) EXPECT_TRUE(lines[english.size() - 2].contains(option));
    }
}
