// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "CommandLine.h"

#include "Version.h"

namespace {

bool IsOption(const QString& argument) { return argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-"); }

using Action = CommandLine::Action;

// Qt's own options, which every Qt program takes (a session manager restarts
// the game with -session); those of the first list take a value.
const QStringList QtOptionsWithValue = {
    QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"), QStringLiteral("session"), QStringLiteral("style"), QStringLiteral("stylesheet"),
    QStringLiteral("display"), QStringLiteral("geometry"), QStringLiteral("name"), QStringLiteral("title"),
    QStringLiteral("visual")};
const QStringList QtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                             QStringLiteral("dograb"), QStringLiteral("sync")};

// The option's name without its dashes and any "=value".
QString OptionName(const QString& argument) {
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    return name.left(name.indexOf(QLatin1Char('=')));
}

CommandLine Decision(Action action, std::optional<QString> file = std::nullopt, QString problem = {}) {
    return {action, std::move(file), {}, std::move(problem)};
}

CommandLine Refused(const QString& problem) { return Decision(Action::Refuse, std::nullopt, problem); }

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QStringList files, toolkit;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString name = IsOption(argument) ? OptionName(argument) : QString();
        if (optionsEnded || !IsOption(argument)) files << argument;
        else if (argument == QLatin1String("--")) optionsEnded = true;
        else if (argument == QLatin1String("--help")) return Decision(Action::ShowUsage);
        else if (argument == QLatin1String("--version")) return Decision(Action::ShowVersion);
        else if (QtFlags.contains(name)) toolkit << argument;
        else if (!QtOptionsWithValue.contains(name)) return Refused(QStringLiteral("unknown option %1").arg(argument));
        else if (argument.contains(QLatin1Char('='))) toolkit << argument;
        else if (i + 1 < arguments.size()) toolkit << argument << arguments[++i];
        else return Refused(QStringLiteral("the option %1 needs a value").arg(argument));
    }
    CommandLine line = Decision(Action::Play, files.isEmpty() ? std::nullopt : std::optional(files.first()));
    line.toolkit = toolkit;
    return line;
}

QString UsageText() {
    return QStringLiteral("Usage: slidora [PICTURE | GAME.sdr]\n"
                          "The sliding picture puzzle; without a file it starts with the numeric puzzle.\n"
                          "\n"
                          "  PICTURE     cuts the picture into pieces to slide back into place\n"
                          "  GAME.sdr    resumes the saved game\n"
                          "  --help      shows this text and exits\n"
                          "  --version   shows the version and exits\n"
                          "  --          ends the options: a file name after it may start with \"-\"\n"
                          "Qt's own options, such as -style NAME, -platform NAME and -reverse, are taken too.\n");
}

QString VersionText() { return QStringLiteral("Slidora " SLIDORA_VERSION); }
