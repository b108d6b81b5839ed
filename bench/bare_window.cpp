// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The floor for a Qt Widgets game's start: a main window with the game's
// menus, a label of the board's size and a status bar of four panels, and
// nothing else. bench/window.sh times it beside the game.
//
// Usage: bare_window [WIDTH HEIGHT] (the window's size, the game's by default)
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

namespace {

struct MenuItems {
    const char* caption;
    std::initializer_list<const char*> items; // nullptr is a separator
};

const MenuItems Menus[] = {
    {"&Game",
     {"&Scramble", "&New game", nullptr, "Un&do", "R&edo", "&Hint", "Sol&ve", nullptr, "&Open image...",
      "N&umeric puzzle (no image)", "&Load game...", "&Reopen", nullptr, "S&ave game...", "&Best times...", nullptr,
      "E&xit"}},
    {"&Level", {"&Beginner", "&Intermediate", "&Advanced"}},
    {"&Pieces",
     {"&A - 3 x 3 pieces", "&B - 4 x 3 pieces", "&C - 5 x 3 pieces", nullptr, "&D - 3 x 4 pieces",
      "&E - 4 x 4 pieces", "&F - 5 x 4 pieces", nullptr, "&G - 3 x 5 pieces", "&H - 4 x 5 pieces",
      "&I - 5 x 5 pieces", nullptr, "C&ustom...."}},
    {"&Options",
     {"Show &thumbnail", "&Configure numeric puzzle...", "Set &background color...", nullptr, "Set &music...",
      "Mu&sic on", "So&und on"}},
    {"&Help", {"Help &contents", nullptr, "Vantrel &home page", "&Slidora home page", "&Free pictures", "&About"}},
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QSize size = argc == 3 ? QSize(std::atoi(argv[1]), std::atoi(argv[2])) : QSize(688, 500);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    for (const MenuItems& menu : Menus) {
        QMenu* m = window.menuBar()->addMenu(QString::fromLatin1(menu.caption));
        for (const char* item : menu.items)
            item ? m->addAction(QString::fromLatin1(item)) : m->addSeparator();
    }
    window.setCentralWidget(new QLabel); // where the board would be
    window.resize(size);
    for (const char* text : {"Elapsed time: 00:00:00", "4 x 4 (16 pieces)", "Numeric", "Moves: 0"})
        window.statusBar()->addWidget(new QLabel(QString::fromLatin1(text)), 1);
    window.show();
    return application.exec();
}
