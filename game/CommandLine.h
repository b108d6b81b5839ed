// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// What the command line asks of the program, decided before any window is
// made: `slidora [PICTURE | GAME.sdr]`, --help or --version.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QTranslator;

struct CommandLine {
    enum class Action { Play, ShowUsage, ShowVersion, Refuse };
    Action action = Action::Play;
    std::optional<QString> file; // Play: the picture or saved game to open
    QStringList toolkit;         // Play: Qt's own options (-style, -platform, -session...) with their values
    QString problem;             // Refuse: what is wrong with the command line
};

// arguments: as typed, without the program's name. An argument starting with
// "-" (but "-" alone) is an option, up to a "--" after which every argument
// is a file name. Only the first file counts.
CommandLine ParseCommandLine(const QStringList& arguments);

// In the translation's language (its own words; the options, the file
// names and the program's name as typed), in English without one.
QString UsageText(const QTranslator* translation = nullptr);
QString VersionText(); // the name and the version, as "Slidora 1.2"
