// The program's entry: the application, the real platform services and
// the main window.
#include "Main.h"

#include "help/HelpWindow.h"
#include "platform/CanberraSound.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/GameStyle.h"
#include "platform/MusicModule.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace {

// Only the first argument counts, as it was typed.
std::optional<QString> FirstArgument(const QStringList& arguments) {
    if (arguments.size() < 2) return std::nullopt;
    return arguments[1];
}

void ShowFailure(const QString& text) {
    QMessageBox::critical(nullptr, QStringLiteral("Slidora"), text);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(new GameStyle);
    QApplication::setApplicationName(QStringLiteral("Slidora"));
    application.setProperty("helpFile", HelpFileName);
    try {
        SystemClock clock;
        QtDialogs dialogs;
        QtScreen screen;
        CanberraSound sound;
        RegFileStore settings(RegFileStore::DefaultPath());
        ModuleMidiPlayer midi(ExecutableFolder());
        Platform platform{clock, dialogs, screen, sound, settings, midi, ExecutableFolder()};

        TFormMain form(platform, FirstArgument(QApplication::arguments()));
        const TerminationSignals endOfSession([&form] { form.CloseBySignal(); });
        form.show();
        QApplication::exec();
    } catch (const std::exception& error) {
        ShowFailure(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowFailure(QStringLiteral("An unexpected error ended the game."));
    }
    return 0;
}
