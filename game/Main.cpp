// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Main.h"

#include "Assist.h"
#include "BoardAccessible.h"
#include "BoardArea.h"
#include "Startup.h"
#include "help/ProgramIcon.h"
#include "pictures/Orgwnd.h"
#include "platform/DataFolders.h"
#include "platform/TemporaryFiles.h"
#include "platform/WindowPlacement.h"

#include "pictures/PictureFiles.h"
#include "platform/ElidedLabel.h"
#include "platform/PixelMemory.h"
#include "platform/Screen.h"
#include "platform/StatusStrip.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QWindowStateChangeEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// Descriptions and patterns, as the file dialogs take them.
QString PictureFilter() {
    //: File dialog filters: "description (patterns)|patterns" pairs; translate the descriptions only
    return TFormMain::tr(
    "All (*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff)|*.jpg;*.jpeg;*.bmp;*.png;*.webp;*.gif;*.tif;*.tiff|"
    "JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|"
    "PNG Image File (*.png)|*.png|WebP Image File (*.webp)|*.webp|GIF Image File (*.gif)|*.gif|"
    "TIFF Image File (*.tif;*.tiff)|*.tif;*.tiff");
}
QString GameFilter() {
    //: File dialog filter: "description (pattern)|pattern"; translate the description only
    return TFormMain::tr("Slidora files (*.sdr)|*.sdr");
}

struct GridEntry {
    const char* name;
    const char* caption;
    int tag;
};

// In menu order; a null name is a separator.
const GridEntry GridMenu[] = {
    {"N3x3Menu", QT_TRANSLATE_NOOP("TFormMain", "&A - 3 x 3 pieces"), 33},
    {"N4x3Menu", QT_TRANSLATE_NOOP("TFormMain", "&B - 4 x 3 pieces"), 43},
    {"N5x3Menu", QT_TRANSLATE_NOOP("TFormMain", "&C - 5 x 3 pieces"), 53},
    {nullptr, "N6", 0},
    {"N3x4Menu", QT_TRANSLATE_NOOP("TFormMain", "&D - 3 x 4 pieces"), 34},
    {"N4x4Menu", QT_TRANSLATE_NOOP("TFormMain", "&E - 4 x 4 pieces"), 44},
    {"N5x4Menu", QT_TRANSLATE_NOOP("TFormMain", "&F - 5 x 4 pieces"), 54},
    {nullptr, "N7", 0},
    {"N3x5Menu", QT_TRANSLATE_NOOP("TFormMain", "&G - 3 x 5 pieces"), 35},
    {"N4x5Menu", QT_TRANSLATE_NOOP("TFormMain", "&H - 4 x 5 pieces"), 45},
    {"N5x5Menu", QT_TRANSLATE_NOOP("TFormMain", "&I - 5 x 5 pieces"), 55},
    {nullptr, "N9", 0},
};

} // namespace

TFormMain::TFormMain(Platform& platform, std::optional<QString> argument, QWidget* owner)
    : QMainWindow(owner), Dialogs(platform.dialogs, [this] { StopAssisting(); }),
      Services{platform.clock,    Dialogs,        platform.screen,       platform.sound,
               platform.settings, platform.midi, platform.programFolder},
      Puzzle(std::make_unique<TPuzzle>(0, 0)), StartTick(platform.clock.TickCount()), StopTick(StartTick),
      Argument(std::move(argument)), StartFolder(QDir::currentPath()) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Slidora"));
    setWindowIcon(ProgramIcon());

    Assists = std::make_unique<TAssists>(*this);
    Startup = std::make_unique<TStartup>(*this);
    Client = new BoardArea(*this, this);
    Client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(Client);
    BuildToolBar();
    // After the tool bar's buttons: Tab goes from them to the board.
    InstallBoardAccessibility();
    Cells = new BoardCells(*this, Client);
    Client->setFocusProxy(Cells);
    Client->setFocus();
    BuildStatusBar();
    BuildMenus();
    BuildWindowSizing();
    connect(&Assists->solveTimer, &QTimer::timeout, this, &TFormMain::SolveStep);
    ResetAssists();

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(250);
    connect(Timer, &QTimer::timeout, this, &TFormMain::TimerTimer);
    Timer->start();

    OpenPictureDialog = {tr("Open Image"),
                         PictureFilter(),
                         QStringLiteral("jpg"),
                         {},
                         {},
                         true,
                         false,
                         [](const QString& path, QSize box) {
                             const PictureResult read = ReadPictureFile(path, box);
                             return FilePreview{read.image, read.size};
                         }};
    OpenDialog = {tr("Load Game"), GameFilter(), QStringLiteral("sdr"), {}, {}, false, false, {}};
    SaveDialog = {tr("Save Game"), GameFilter(), QStringLiteral("sdr"), {}, {}, false, false, {}};

    SetBackgroundColor(BackgroundColor);
    EnableGameCommands(false); // until a picture is there to play with
    SetClientSize(688, 434);
    const QRect desktop = Services.screen.VirtualDesktop();
    move(desktop.x() + std::max(0, (desktop.width() - width()) / 2),
         desktop.y() + std::max(0, (desktop.height() - height()) / 2));
    CreateFormMusic();
    FormCreate();
}

// A thumbnail without an owner (under Wayland) goes with the game.
TFormMain::~TFormMain() {
    if (OrgWindow && !OrgWindow->parent()) delete OrgWindow;
}

void TFormMain::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto menu = [&](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        return m;
    };
    auto item = [&](QMenu* m, const char* name, const QString& caption, auto handler, QKeySequence key = {}) {
        QAction* a = m->addAction(caption);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        // Solve and a hint being worked out stop before any command does anything.
        connect(a, &QAction::triggered, this, &TFormMain::StopAssisting);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto separator = [&](QMenu* m, const char* name) { m->addSeparator()->setObjectName(QLatin1String(name)); };
    auto tagged = [&](QAction* a, int tag, bool checkable) {
        a->setData(tag);
        a->setCheckable(checkable);
        return a;
    };

    Game1 = menu("Game1", tr("&Game"));
    ScrambleMenu = item(
        Game1, "ScrambleMenu", tr("&Scramble"), [this] { ScrambleMenuClick(); }, QKeySequence(Qt::Key_F2));
    UnscrambleMenu = item(
        Game1, "UnscrambleMenu", tr("&New game"), [this] { UnscrambleMenuClick(); },
        QKeySequence(Qt::Key_F3));
    separator(Game1, "N16");
    UndoMenu = item(
        Game1, "UndoMenu", tr("Un&do"), [this] { UndoMenuClick(); }, QKeySequence(Qt::CTRL | Qt::Key_Z));
    RedoMenu = item(
        Game1, "RedoMenu", tr("R&edo"), [this] { RedoMenuClick(); }, QKeySequence(Qt::CTRL | Qt::Key_Y));
    RedoMenu->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    HintMenu = item(
        Game1, "HintMenu", tr("&Hint"), [this] { HintMenuClick(); }, QKeySequence(Qt::CTRL | Qt::Key_H));
    SolveMenu = item(
        Game1, "SolveMenu", tr("Sol&ve"), [this] { SolveMenuClick(); },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    connect(Game1, &QMenu::aboutToShow, this, &TFormMain::UpdateAssistCommands);
    separator(Game1, "N1");
    OpenimageMenu = item(
        Game1, "OpenimageMenu", tr("&Open image..."), [this] { OpenimageMenuClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_O));
    NoimageMenu = item(
        Game1, "NoimageMenu", tr("N&umeric puzzle (no image)"), [this] { NoimageMenuClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_N));
    LoadgameMenu = item(
        Game1, "LoadgameMenu", tr("&Load game..."), [this] { LoadgameMenuClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_L));
    ReopenMenu = Game1->addMenu(tr("&Reopen"));
    ReopenMenu->setObjectName(QStringLiteral("ReopenMenu"));
    ReopenMenu->setEnabled(false);
    ReopenMenu->setSeparatorsCollapsible(false); // shown before the saved games even when no picture is listed
    separator(Game1, "N14");
    SavegameMenu = item(
        Game1, "SavegameMenu", tr("S&ave game..."), [this] { SavegameMenuClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_S));
    separator(Game1, "N15");
    BesttimesMenu = item(Game1, "BesttimesMenu", tr("&Best times..."), [this] { BesttimesMenuClick(); });
    separator(Game1, "N3");
    Exit1 = item(
        Game1, "Exit1", tr("E&xit"), [this] { Exit1Click(); }, QKeySequence(Qt::CTRL | Qt::Key_Q));

    Level1 = menu("Level1", tr("&Level"));
    const auto level = [this] { BeginnerMenuClick(sender()); };
    BeginnerMenu = tagged(item(Level1, "BeginnerMenu", tr("&Beginner"), level), 1, true);
    IntermediateMenu = tagged(item(Level1, "IntermediateMenu", tr("&Intermediate"), level), 2, true);
    AdvancedMenu = tagged(item(Level1, "AdvancedMenu", tr("&Advanced"), level), 3, true);

    Pieces1 = menu("Pieces1", tr("&Pieces"));
    size_t gridIndex = 0;
    for (const GridEntry& entry : GridMenu) {
        if (!entry.name) {
            separator(Pieces1, entry.caption);
            continue;
        }
        GridItems[gridIndex++] =
            tagged(item(Pieces1, entry.name, tr(entry.caption), [this] { N3x3MenuClick(sender()); }),
                   entry.tag, true);
    }
    CustomMenu =
        tagged(item(Pieces1, "CustomMenu", tr("C&ustom...."), [this] { CustomMenuClick(); }), 0, true);

    Options1 = menu("Options1", tr("&Options"));
    ShowthumbnailMenu =
        item(Options1, "ShowthumbnailMenu", tr("Show &thumbnail"), [this] { ShowthumbnailMenuClick(); });
    ShowthumbnailMenu->setCheckable(true);
    ShownumbersMenu = item(Options1, "ShownumbersMenu", tr("Show &numbers"), [this] { ShownumbersMenuClick(); });
    ShownumbersMenu->setCheckable(true);
    separator(Options1, "N10");
    Configurenumericpuzzle1 = item(Options1, "Configurenumericpuzzle1", tr("&Configure numeric puzzle..."),
                                   [this] { Configurenumericpuzzle1Click(); });
    SetbackgroundcolorMenu = item(Options1, "SetbackgroundcolorMenu", tr("Set &background color..."),
                                  [this] { SetbackgroundcolorMenuClick(); });
    separator(Options1, "N11");
    SetmusicMenu = item(Options1, "SetmusicMenu", tr("Set &music..."), [this] { SetmusicMenuClick(); });
    MusiconMenu = item(Options1, "MusiconMenu", tr("Mu&sic on"), [this] { MusiconMenuClick(); });
    MusiconMenu->setCheckable(true);
    SoundonMenu = item(Options1, "SoundonMenu", tr("So&und on"), [this] { SoundonMenuClick(); });
    SoundonMenu->setCheckable(true);

    Help1 = menu("Help1", tr("&Help"));
    HelpcontentsMenu = item(
        Help1, "HelpcontentsMenu", tr("Help &contents"), [this] { HelpcontentsMenuClick(); },
        QKeySequence(Qt::Key_F1));
    separator(Help1, "N12");
    VantrelhomepageMenu = item(Help1, "VantrelhomepageMenu", tr("Vantrel &home page"),
                               [this] { VantrelhomepageMenuClick(); });
    SlidorahomepageMenu = item(Help1, "SlidorahomepageMenu", tr("&Slidora home page"),
                               [this] { SlidorahomepageMenuClick(); });
    FreepicturesMenu =
        item(Help1, "FreepicturesMenu", tr("&Free pictures"), [this] { FreepicturesMenuClick(); });
    separator(Help1, "N13");
    AboutMenu = item(Help1, "AboutMenu", tr("&About"), [this] { AboutMenuClick(); });
}

QToolButton* TFormMain::AddToolButton(const char* name, const QString& hint, int glyph, void (TFormMain::*handler)()) {
    auto* button = new QToolButton(ToolBar1);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setAccessibleName(hint); // what a screen reader says of the button: its command
    button->setIcon(IconOfPixelFiles(
        {QStringLiteral(":/glyph%1.px").arg(glyph), QStringLiteral(":/glyph%1@2x.px").arg(glyph)}));
    button->setIconSize(QSize(20, 20));
    button->setFixedSize(31, 30);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus); // reached with Tab, never taken by a click
    connect(button, &QToolButton::clicked, this, &TFormMain::StopAssisting);
    connect(button, &QToolButton::clicked, this, handler);
    ToolBar1->layout()->addWidget(button);
    return button;
}

void TFormMain::AddToolSeparator() {
    auto* gap = new QWidget(ToolBar1);
    gap->setFixedSize(31, 8);
    ToolBar1->layout()->addWidget(gap);
}

void TFormMain::BuildToolBar() {
    PanelToolbar = new QFrame(Client);
    PanelToolbar->setObjectName(QStringLiteral("PanelToolbar"));
    // A lowered outer and a raised inner bevel: a groove.
    PanelToolbar->setFrameStyle(QFrame::Box | QFrame::Sunken);
    PanelToolbar->setLineWidth(1);
    PanelToolbar->setMidLineWidth(0);
    PanelToolbar->setAutoFillBackground(true);
    PanelToolbar->setAttribute(Qt::WA_NoMousePropagation); // presses here are not on the board
    PanelToolbar->setGeometry(0, 0, ToolbarWidth, 434);

    ToolBar1 = new QWidget(PanelToolbar);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    auto* column = new QVBoxLayout(ToolBar1);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    ButtonNew = AddToolButton("ButtonNew", tr("New game"), 0, &TFormMain::ScrambleMenuClick);
    AddToolSeparator();
    ButtonOpenImage = AddToolButton("ButtonOpenImage", tr("Open image"), 2, &TFormMain::OpenimageMenuClick);
    ButtonNumeric = AddToolButton("ButtonNumeric", tr("Numeric puzzle"), 1, &TFormMain::NoimageMenuClick);
    ButtonOpenGame = AddToolButton("ButtonOpenGame", tr("Load game"), 3, &TFormMain::LoadgameMenuClick);
    AddToolSeparator();
    ButtonSaveGame = AddToolButton("ButtonSaveGame", tr("Save game"), 4, &TFormMain::SavegameMenuClick);
    AddToolSeparator();
    ButtonBestTimes = AddToolButton("ButtonBestTimes", tr("Best times"), 5, &TFormMain::BesttimesMenuClick);
    AddToolSeparator();
    ButtonCustomPieces =
        AddToolButton("ButtonCustomPieces", tr("Custom pieces"), 6, &TFormMain::CustomMenuClick);
    AddToolSeparator();
    ButtonThumbnail =
        AddToolButton("ButtonThumbnail", tr("Show thumbnail"), 7, &TFormMain::ShowthumbnailMenuClick);
    ButtonThumbnail->setCheckable(true);
    AddToolSeparator();
    ButtonSetMusic = AddToolButton("ButtonSetMusic", tr("Set music"), 8, &TFormMain::SetmusicMenuClick);
    ButtonBackground = AddToolButton("ButtonBackground", tr("Set background color"), 9,
                                     &TFormMain::SetbackgroundcolorMenuClick);
    // The 31-pixel buttons reach over the inner bevel, as flat buttons may.
    ToolBar1->setGeometry(1, 2, 31, ToolBar1->sizeHint().height());
}

void TFormMain::BuildStatusBar() {
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    // As designed, or as tall as a larger font needs: a line of text in a
    // framed panel, a pixel apart from the bar's edges.
    const int height = std::max(int(StatusBarHeight), StatusBar->fontMetrics().height() + 4);
    StatusBar->setFixedHeight(height);
    StatusBar->setContentsMargins(0, 0, 0, 0);
    // Panels of 200 pixels side by side, cut off by a narrower window rather
    // than widening it; the picture's name takes what room is left.
    auto* strip = new StatusStrip(StatusBar);
    strip->setMinimumSize(1, height - 2);
    strip->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    StatusPanels[0] = strip->AddPanel(198);
    StatusPanels[1] = strip->AddPanel(198);
    StatusPanels[2] = strip->AddPanel(StatusStrip::Stretch, 198);
    StatusPanels[3] = strip->AddPanel(100); // the move count, at the right end
    // A screen reader reads each panel's text, and tells what the panel holds.
    const char* const panelRoles[] = {QT_TR_NOOP("Elapsed time"), QT_TR_NOOP("Pieces"), QT_TR_NOOP("Picture"),
                                      QT_TR_NOOP("Moves")};
    for (size_t i = 0; i < StatusPanels.size(); ++i)
        StatusPanels[i]->setAccessibleDescription(tr(panelRoles[i]));
    StatusBar->addWidget(strip, 1);
    setStatusBar(StatusBar);
}

QAction* TFormMain::GridItem(int code) const {
    if (code == 0) return CustomMenu;
    for (QAction* item : GridItems)
        if (item->data().toInt() == code) return item;
    return nullptr;
}

void TFormMain::EnableGameCommands(bool enabled) {
    for (QAction* item : {SavegameMenu, ScrambleMenu, UnscrambleMenu, BesttimesMenu}) item->setEnabled(enabled);
    for (QToolButton* button : {ButtonNew, ButtonSaveGame, ButtonBestTimes}) button->setEnabled(enabled);
}

void TFormMain::SetClientSize(int width, int height) {
    DesignedClient = QSize(std::max(width, 1), std::max(height - StatusBarHeight, 1));
    const QSize least = LeastClientSize();
    Client->setMinimumSize(least.width(), least.height() - StatusBarHeight);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) ResizeToDesign();
}

// The window at the size the game gave it: its client area just as designed.
void TFormMain::ResizeToDesign() {
    Client->updateGeometry();
    layout()->activate();
    resize(sizeHint());
}

namespace {

// Qt lays a right-to-left menu bar's items out from the window's right edge,
// so that its size hint is the window's width, never less: the items
// themselves and the margin beside them tell what the bar needs.
int MenuBarWidth(const QMenuBar& bar) {
    if (!bar.isRightToLeft()) return bar.sizeHint().width();
    QRect items;
    for (QAction* action : bar.actions())
        if (action->isVisible()) items |= bar.actionGeometry(action);
    return items.width() + 2 * std::max(bar.width() - 1 - items.right(), 0);
}

} // namespace

QSize TFormMain::LeastClientSize() const {
    const auto* strip = StatusPanels[0] ? StatusPanels[0]->parentWidget() : nullptr;
    const int bar = strip ? static_cast<const StatusStrip*>(strip)->LeastWidth() + 4 : 0;
    return QSize(std::max(MenuBarWidth(*menuBar()), bar), ToolBar1->geometry().bottom() + 3 + StatusBarHeight);
}

QWidget* TFormMain::ClientArea() const { return Client; }

QSize TFormMain::ClientSize() const { return DesignedClient + QSize(0, StatusBar->minimumHeight()); }

void TFormMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    // Back from maximised or full screen: the size the game gave the window.
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (windowState() == Qt::WindowNoState && change->oldState() != Qt::WindowMinimized) ResizeToDesign();
    LeaveFullScreen->setEnabled(windowState() & Qt::WindowFullScreen);
}

// The game sizes the window for each picture; the player may size it
// otherwise, down to the least size, and the board follows once the window
// keeps its size a moment. F11 makes the window full screen and back, Escape
// leaves full screen, F10 opens the Game menu as Alt does.
void TFormMain::BuildWindowSizing() {
    SettleTimer = new QTimer(this);
    SettleTimer->setSingleShot(true);
    SettleTimer->setInterval(150);
    connect(SettleTimer, &QTimer::timeout, this, &TFormMain::Rescale);
    auto key = [this](QKeySequence sequence, auto handler) {
        auto* action = new QAction(this);
        action->setShortcut(sequence);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, &TFormMain::StopAssisting);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
        return action;
    };
    key(Qt::Key_F11, &TFormMain::ToggleFullScreen);
    LeaveFullScreen = key(Qt::Key_Escape, [this] { setWindowState(windowState() & ~Qt::WindowFullScreen); });
    LeaveFullScreen->setEnabled(false);
    key(Qt::Key_F10, [this] { menuBar()->setActiveAction(Game1->menuAction()); });
}

void TFormMain::ToggleFullScreen() { setWindowState(windowState() ^ Qt::WindowFullScreen); }

// ------------------------------------------------------------ lifecycle

void TFormMain::FormCreate() {
    ReturnFreedMemoryPromptly();
    ProgramFolder = Services.programFolder;
    const DataFolders data = ChooseDataFolders(ProgramFolder, KeepsDataBesideProgram(ProgramFolder));
    DataFolder = data.scores;
    OpenPictureDialog.initialFolder = PicturesFolder = data.pictures;
    OpenDialog.initialFolder = SaveDialog.initialFolder = data.games;
    QDir::setCurrent(ProgramFolder);
    QDir(DataFolder).mkpath(QStringLiteral("Scores"));

    RecentPictureCount = 0;
    RecentGameCount = 0;
    for (int i = 0; i < 4; ++i) {
        RecentPictureItems[size_t(i)] = new QAction(this);
        RecentPictureItems[size_t(i)]->setData(i);
        connect(RecentPictureItems[size_t(i)], &QAction::triggered, this, &TFormMain::StopAssisting);
        connect(RecentPictureItems[size_t(i)], &QAction::triggered, this, [this] { ReopenPictureClick(sender()); });
        RecentGameItems[size_t(i)] = new QAction(this);
        RecentGameItems[size_t(i)]->setData(i);
        connect(RecentGameItems[size_t(i)], &QAction::triggered, this, &TFormMain::StopAssisting);
        connect(RecentGameItems[size_t(i)], &QAction::triggered, this, [this] { ReopenGameClick(sender()); });
    }
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // After the handlers, which were connected first.
    for (QAction* item : findChildren<QAction*>())
        connect(item, &QAction::triggered, this, &TFormMain::SettingsMayHaveChanged);
    for (QToolButton* button : findChildren<QToolButton*>())
        connect(button, &QToolButton::clicked, this, &TFormMain::SettingsMayHaveChanged);
    RemoveOurTemporaryFiles();
}

// What a save left behind when the program was killed before its rename.
void TFormMain::RemoveOurTemporaryFiles() const {
    RemoveStaleTemporaryFiles(QFileInfo(Services.settings.Location()).absolutePath(),
                              QRegularExpression(QRegularExpression::escape(
                                  QFileInfo(Services.settings.Location()).fileName())));
    RemoveStaleTemporaryFiles(DataFolder + QStringLiteral("Scores"),
                              QRegularExpression(QStringLiteral("Scores[123].{0,2}\\.ini")));
}

void TFormMain::FormShow() {
    if (!FirstShow) return;
    FirstShow = false;
    ReadSettings();
    if (StartMaximized) setWindowState(windowState() | Qt::WindowMaximized);
    // Opening a picture or a game makes the back buffer. That of the empty
    // board covers the whole work area: it is made only when nothing opens.
    if (!Argument) {
        OpenPicture(QStringLiteral("Numeric"));
        return;
    }
    // Decided by the argument's own text, so a "." in the folders of the
    // start folder does not count; made absolute only to be opened.
    const QString& argument = *Argument;
    const qsizetype dot = argument.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) {
        CreateBuffers();
        RedrawBoard();
        return;
    }
    const QString path = QDir::cleanPath(QDir(StartFolder).absoluteFilePath(argument));
    if (argument.mid(dot).compare(QLatin1String(".SDR"), Qt::CaseInsensitive) == 0) {
        OpenGame(path);
        return;
    }
    // A picture whose size its file tells is decoded once the window, sized
    // for it, has drawn its first frame: the window system makes a large
    // window meanwhile, instead of after the picture.
    if (const std::optional<QSize> picture = ReadPictureFileSize(path)) {
        PictureScalable = true;
        SizeWindowFor(*picture);
        UpdateStatusBar();
        Startup->OpenLater(path, *picture);
        return;
    }
    OpenPicture(path);
}

// A session that ends cannot wait for an answer: the game is kept instead.
bool TFormMain::FormCloseQuery() {
    if (!ClosingBySignal) return QuerySave();
    KeepRunningGame();
    return true;
}

void TFormMain::FormClose() {
    WriteSettings();
    for (QAction*& item : RecentPictureItems) delete std::exchange(item, nullptr);
    for (QAction*& item : RecentGameItems) delete std::exchange(item, nullptr);
    RecentPictureCount = RecentGameCount = 0;
}

void TFormMain::Exit1Click() { close(); }

// Whatever a dialog was asking is left unanswered: it is closed first, so
// that the window closes from the main loop.
void TFormMain::CloseBySignal() {
    ClosingBySignal = true;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        // The name of a best time is taken as it stands; every other question is left unanswered.
        if (auto* input = qobject_cast<QInputDialog*>(modal))
            input->accept();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        QTimer::singleShot(10, this, &TFormMain::CloseBySignal);
        return;
    }
    close();
}

int TFormMain::ShowCentred(QDialog& form) {
    PlaceWindow(form, QRect(QPoint(), Services.screen.PrimarySize()), Services.screen.WorkArea(), this);
    return Services.dialogs.ShowModal(form);
}

int TFormMain::ShowOverGame(QDialog& form) {
    PlaceWindow(form, frameGeometry(), Services.screen.WorkArea(), this);
    return Services.dialogs.ShowModal(form);
}

// A session that ends cannot wait for a click: what fails then goes to the
// standard error output.
void TFormMain::ShowError(const QString& text) {
    if (Startup->Hold(text)) return;
    if (ClosingBySignal) {
        std::fprintf(stderr, "slidora: %s\n", text.toLocal8Bit().constData());
        return;
    }
    Services.dialogs.MessageBox(this, text, MsgIcon::Stop, MsgButtons::Ok);
}

bool TFormMain::StartupPending() const { return Startup->Pending(); }

void TFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (FirstShow) Startup->FirstShown();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    StopAssisting();
    if (Closed || !FormCloseQuery()) {
        event->setAccepted(Closed);
        return;
    }
    FormClose();
    if (OrgWindow) OrgWindow->hide();
    Closed = true;
    event->accept();
}

bool TFormMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) WMSetFocus();
    if (event->type() == QEvent::WindowDeactivate) WMKillFocus();
    return QMainWindow::event(event);
}

void TFormMain::keyPressEvent(QKeyEvent* event) { FormKeyDown(event->key(), event->modifiers()); }
