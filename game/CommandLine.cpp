// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "CommandLine.h"

#include "Version.h"

#include <QTranslator>

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

QString UsageText(const QTranslator* translation) {
    const auto words = [translation](const char* text) {
        const QString translated = translation ? translation->translate("CommandLine", text) : QString();
        return translated.isEmpty() ? QString::fromUtf8(text) : translated;
    };
    const char* const usage = QT_TRANSLATE_NOOP("CommandLine", "Usage: %1");
    const char* const purpose =
        QT_TRANSLATE_NOOP("CommandLine", "The sliding picture puzzle; without a file it starts with the numeric puzzle.");
    const char* const toolkit =
        QT_TRANSLATE_NOOP("CommandLine", "Qt's own options, such as -style NAME, -platform NAME and -reverse, are taken too.");
    const struct {
        const char *option, *meaning;
    } options[] = {
        {"PICTURE", QT_TRANSLATE_NOOP("CommandLine", "cuts the picture into pieces to slide back into place")},
        {"GAME.sdr", QT_TRANSLATE_NOOP("CommandLine", "resumes the saved game")},
        {"--help", QT_TRANSLATE_NOOP("CommandLine", "shows this text and exits")},
        {"--version", QT_TRANSLATE_NOOP("CommandLine", "shows the version and exits")},
        {"--", QT_TRANSLATE_NOOP("CommandLine", "ends the options: a file name after it may start with \"-\"")},
    };
    QString text = words(usage).arg(QLatin1String("slidora [PICTURE | GAME.sdr]")) + QLatin1Char('\n') + words(purpose) +
                   QStringLiteral("\n\n");
    for (const auto& option : options)
        text += QStringLiteral("  %1 %2\n").arg(QLatin1String(option.option), -11).arg(words(option.meaning));
    return text + words(toolkit) + QLatin1Char('\n');
}

QString VersionText() { return QStringLiteral("Slidora " SLIDORA_VERSION); }
