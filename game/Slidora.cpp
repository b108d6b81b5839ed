// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The program's entry: the application, the real platform services and
// the main window.
#include "CommandLine.h"
#include "Main.h"

#include "help/HelpWindow.h"
#include "platform/CanberraSound.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/GameStyle.h"
#include "platform/MusicModule.h"
#include "platform/ProgramFiles.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"
#include "platform/TerminationSignals.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <vector>

namespace {

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool Print(std::FILE* stream, const QString& text) {
    return std::fputs(text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0;
}

// Exit status 0 once the text is written, 1 (with a word why) when it cannot be.
int Answer(const QString& text) {
    if (Print(stdout, text)) return 0;
    Print(stderr, QStringLiteral("slidora: the standard output could not be written\n"));
    return 1;
}

// --help, --version and a wrong command line are answered on the terminal,
// before the application opens the display: the exit status, or nothing when
// the game is to start.
std::optional<int> AnswerOnTheTerminal(const CommandLine& line) {
    if (line.action == CommandLine::Action::Play) return std::nullopt;
    QTranslator translation; // the usage in the player's language
    LoadTranslation(translation, QLocale::system());
    switch (line.action) {
    case CommandLine::Action::Play: return std::nullopt;
    case CommandLine::Action::ShowUsage: return Answer(UsageText(&translation));
    case CommandLine::Action::ShowVersion: return Answer(VersionText() + QLatin1Char('\n'));
    case CommandLine::Action::Refuse:
        Print(stderr, QStringLiteral("slidora: %1\n%2").arg(line.problem, UsageText(&translation)));
        return 2;
    }
    return 2;
}

void ShowFailure(const QString& text) {
    QMessageBox::critical(nullptr, QStringLiteral("Slidora"), text);
}

} // namespace

int main(int argc, char** argv) {
    const CommandLine line = ParseCommandLine(ArgumentsOf(argc, argv));
    if (const std::optional<int> status = AnswerOnTheTerminal(line)) return *status;
    // Qt reads its own options only: a file named like one of them (after
    // "--") is still the file to open.
    std::vector<QByteArray> toolkit{QByteArray(argv[0])};
    for (const QString& argument : line.toolkit) toolkit.push_back(argument.toLocal8Bit());
    std::vector<char*> qtArguments;
    for (QByteArray& argument : toolkit) qtArguments.push_back(argument.data());
    qtArguments.push_back(nullptr);
    int qtArgumentCount = int(toolkit.size());
    QApplication application(qtArgumentCount, qtArguments.data());
    QApplication::setStyle(new GameStyle);
    QApplication::setApplicationName(QStringLiteral("Slidora"));
    // The player's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); English without one.
    const Translations translations(QLocale::system());
    application.setProperty("helpFile", HelpFileName);
    try {
        SystemClock clock;
        QtDialogs dialogs;
        QtScreen screen;
        CanberraSound sound;
        RegFileStore settings(RegFileStore::DefaultPath());
        const ProgramFiles files = FindProgramFiles(ExecutableFolder());
        ModuleMidiPlayer midi(files.modules);
        Platform platform{clock, dialogs, screen, sound, settings, midi, files.data};

        TFormMain form(platform, line.file);
        const TerminationSignals endOfSession([&form] { form.CloseBySignal(); });
        // The display gone (the X server ended): the running game is kept as at the end of a session.
        const AbruptExitKeeper lostDisplay([&form] { form.KeepRunningGame(); });
        form.show();
        QApplication::exec();
    } catch (const std::exception& error) {
        ShowFailure(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowFailure(TFormMain::tr("An unexpected error ended the game."));
    }
    return 0;
}
