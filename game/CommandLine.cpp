#include "CommandLine.h"

#include "Version.h"

namespace {

bool IsOption(const QString& argument) { return argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-"); }

using Action = CommandLine::Action;

CommandLine Decision(Action action, std::optional<QString> file = std::nullopt, QString problem = {}) {
    return {action, std::move(file), std::move(problem)};
}

CommandLine Refused(const QString& problem) { return Decision(Action::Refuse, std::nullopt, problem); }

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QStringList files;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (optionsEnded || !IsOption(argument)) files << argument;
        else if (argument == QLatin1String("--")) optionsEnded = true;
        else if (argument == QLatin1String("--help")) return Decision(Action::ShowUsage);
        else if (argument == QLatin1String("--version")) return Decision(Action::ShowVersion);
        else return Refused(QStringLiteral("unknown option %1").arg(argument));
    }
    if (files.size() > 1) return Refused(QStringLiteral("only one picture or saved game can be opened"));
    if (files.isEmpty()) return Decision(Action::Play);
    return Decision(Action::Play, files.first());
}

QString UsageText() {
    return QStringLiteral("Usage: slidora [PICTURE | GAME.sdr]\n"
                          "The sliding picture puzzle; without a file it starts with the numeric puzzle.\n"
                          "\n"
                          "  PICTURE     cuts the picture into pieces to slide back into place\n"
                          "  GAME.sdr    resumes the saved game\n"
                          "  --help      shows this text and exits\n"
                          "  --version   shows the version and exits\n"
                          "  --          ends the options: a file name after it may start with \"-\"\n");
}

QString VersionText() { return QStringLiteral("Slidora " SLIDORA_VERSION); }
