// The program's entry: the application, the real platform services and
// the main window.
#include "Main.h"

#include "platform/CanberraSound.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <exception>

namespace {

// Only the first argument counts. A relative path is taken from the folder
// the program was started in, before the window moves to its own folder.
std::optional<QString> FirstArgument(const QStringList& arguments) {
    if (arguments.size() < 2) return std::nullopt;
    const QFileInfo file(arguments[1]);
    if (file.isRelative() && file.exists()) return file.absoluteFilePath();
    return arguments[1];
}

} // namespace

int main(int argc, char** argv) {
    try {
        QApplication application(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Slidora"));
        application.setProperty("helpFile", QStringLiteral("slidora.hlp"));

        SystemClock clock;
        QtDialogs dialogs;
        QtScreen screen;
        CanberraSound sound;
        RegFileStore settings(RegFileStore::DefaultPath());
        Platform platform{clock, dialogs, screen, sound, settings, ExecutableFolder()};

        TFormMain form(platform, FirstArgument(QApplication::arguments()));
        form.show();
        QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Slidora"), QString::fromLocal8Bit(error.what()));
    }
    return 0;
}
