// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The main window: the hub that owns the board, the pictures, the clock and
// every command of the game.
#pragma once

#include "audio/Playlist.h"
#include "engine/Puzzle.h"
#include "game/BackgroundWork.h"
#include "game/BoardView.h"
#include "game/MoveHistory.h"
#include "pictures/PictureFiles.h"
#include "platform/Dialogs.h"
#include "platform/Font.h"
#include "platform/Platform.h"

#include <QDateTime>
#include <QImage>
#include <QMap>
#include <QMainWindow>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QDialog;
class QIODevice;
class QFrame;
class QLabel;
class QMenu;
class QPainter;
class QStatusBar;
class QTimer;
class QToolButton;
class BoardArea;
class BoardCells;
class QFileInfo;
class TFormMusic;
class TOrgWindow;
class TAssists;
class TStartup;
struct TSavedGame;
enum class PictureProblem;

// Which recent list a stored name belongs to, and the name of the value that
// keeps the list's entry in a slot (0..3): "MRUL0", "MRULGame3".
enum class RecentKind { Pictures, Games };
QString RecentValueName(RecentKind kind, int slot);

// The picture last read from a file, as read (held at its shown size), with
// what identified the file.
struct KeptPicture {
    QString path; // absolute
    qint64 size = 0;
    QDateTime modified;
    QImage image;
    QSize own; // the picture's own size
    bool Holds(const QFileInfo& file) const;
};

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ToolbarWidth = 33;
    static constexpr int StatusBarHeight = 19;
    // The longest time the game's clock holds: 2^31 milliseconds, in whole seconds.
    static constexpr uint32_t MaxElapsedSeconds = 2'147'483;

    // argument: the first command-line argument as typed, if any; a relative
    // path is taken from the folder current when the window is made.
    TFormMain(Platform& platform, std::optional<QString> argument, QWidget* owner = nullptr);
    ~TFormMain() override;

    // ---- lifecycle (game/Main.cpp)
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void Exit1Click();
    // The session ends (SIGTERM, SIGHUP): the window closes without a
    // question, and a running game is kept in the autosave.
    void CloseBySignal();
    // Modal, centred on the screen or over the game's window, inside the work area.
    int ShowCentred(QDialog& form);
    int ShowOverGame(QDialog& form);

    // ---- game flow (game/GameFlow.cpp)
    static QString FormatElapsed(int32_t seconds);
    void UpdateStatusBar();
    // False when the player cancels, or when the game could not be saved.
    bool QuerySave();
    void SetLevel(int level);
    void CheckLevelMenu();
    void CheckGridMenu(int code);
    void FinishGame();
    void WMSetFocus();
    void WMKillFocus();
    void TimerTimer();
    void UnscrambleMenuClick();
    void BeginnerMenuClick(QObject* sender);
    void N3x3MenuClick(QObject* sender);

    // ---- rendering (game/Rendering.cpp)
    void CreateBuffers();
    void RedrawBoard();
    void SetBackgroundColor(uint32_t color);
    void FormPaint(QPainter& canvas, const QRect& area);
    void FormResize();
    void SetbackgroundcolorMenuClick();

    // ---- input (game/Input.cpp)
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void ScrambleMenuClick();
    void SlideTiles(int column, int row);

    // One slide of tiles toward the blank, as the animation needs it.
    struct Slide {
        int dColumn = 0, dRow = 0;  // from the blank toward the target; tiles move the other way
        std::vector<QPoint> moving; // (column, row) from the blank's neighbour to the target
        QRect first;                // where the blank's neighbour is shown
        QRect target;               // where the target is shown
        int size = 0;               // tile size along the line, in picture pixels
        int step = 1;               // picture pixels a frame
        int shownStep = 1;          // shown pixels a frame, at most
    };

    // ---- pictures (pictures/PictureLoading.cpp, pictures/NumericPicture.cpp)
    bool OpenPicture(std::optional<QString> name);
    bool LoadPicture(std::optional<QString> name, bool newGame);
    bool ReadPicture(QString name);
    bool BuildBoard();
    void OpenimageMenuClick();
    void DrawNumericPicture();
    QImage CleanNumericPicture() const; // at the shown size, without the cut's edges
    void NoimageMenuClick();
    void Configurenumericpuzzle1Click();

    // ---- saved games (storage/SavedGame.cpp)
    // The picture name stored in the file, or nothing on failure; reports its failures.
    std::optional<QString> LoadGameFile(const QString& fileName, uint32_t& elapsedSeconds);
    bool SaveGameFile(const QString& fileName, const QString& pictureName, uint32_t elapsedSeconds);
    // remember: the file enters the Reopen list and is the game's file.
    bool OpenGame(const QString& fileName, bool remember = true);
    void SavegameMenuClick();
    // Writes a running game to the autosave, without a word.
    void KeepRunningGame();
    void LoadgameMenuClick();

    // ---- settings (storage/Settings.cpp)
    void ReadSettings();
    void WriteSettings();

    // ---- best times (storage/Times.cpp)
    void BesttimesMenuClick();

    // ---- background music (audio/BackgroundMusic.cpp)
    void MediaPlayerNotify();

    // ---- music and sound (audio/)
    void StartMusic();
    void SetmusicMenuClick();
    void MusiconMenuClick();
    void SoundonMenuClick();

    // ---- recent files, thumbnail, custom grid (pictures/Recent.cpp, pictures/PictureWindows.cpp)
    void AddRecentPicture(int position, const QString& name);
    void AddRecentGame(int position, const QString& name);
    void ReopenPictureClick(QObject* sender);
    void ReopenGameClick(QObject* sender);
    void ShowthumbnailMenuClick();
    void CustomMenuClick();
    // Show numbers: each photo piece carries its number in a corner.
    void ShownumbersMenuClick();

    // ---- assists: undo and redo, hints, Solve and the move count (game/Assist.cpp)
    // Stops Solve, or the wait for a hint: at the player's key or press, and
    // before any command or dialog.
    void StopAssisting();

    // ---- help and web pages (help/)
    void HelpcontentsMenuClick();
    void VantrelhomepageMenuClick();
    void SlidorahomepageMenuClick();
    void FreepicturesMenuClick();
    void AboutMenuClick();
    // Opens the page in the browser; says so when none could be started.
    void OpenWebAddress(const QString& address);

    // ---- state
    // The platform's services, its dialogs guarded: Solve and a hint stop
    // before any dialog opens.
    GuardedDialogs Dialogs;
    Platform Services;
    QString ProgramFolder;

    bool FirstShow = true;
    bool GameStopped = true;
    bool SoundOn = true;
    bool MusicOn = true;
    bool ShowNumbers = false; // photo pieces carry their numbers
    int32_t PictureWidth = 0;
    int32_t PictureHeight = 0;
    int32_t Level = 3;
    std::unique_ptr<TPuzzle> Puzzle;
    uint32_t BackgroundColor = 0x000080;
    uint32_t NumColor1 = 0xC0C0C0;
    uint32_t NumColor2 = 0x808080;
    TFont NumFont;
    // Picture and OrgPicture are held at the shown size: smaller than the
    // picture's own size when View is not 1:1.
    QImage Picture;    // null when absent
    // Null when absent, and for the numeric picture until the thumbnail
    // shows it: the board is drawn from Picture, and on a large screen a
    // copy costs the start tens of milliseconds of fresh memory.
    QImage OrgPicture;
    QImage BackBuffer;
    std::optional<QString> PictureName;
    std::optional<QString> GameFileName;
    uint32_t StartTick;
    uint32_t StopTick;
    uint32_t ShownSeconds = 0;
    int16_t RecentPictureCount = 0;
    std::array<QAction*, 4> RecentPictureItems{};
    std::array<QString, 4> RecentPictureNames;
    int16_t RecentGameCount = 0;
    std::array<QAction*, 4> RecentGameItems{};
    std::array<QString, 4> RecentGameNames;
    TOrgWindow* OrgWindow = nullptr; // the open thumbnail window, or none
    TPlaylist Playlist;      // the music dialog's list of pieces
    TFormMusic* FormMusic = nullptr; // made with the window and kept for the whole run
    QString LastWinnerName; // the name typed after the last best time of this run
    bool StartMaximized = false;  // the window was maximised when the last run ended

    // ---- components
    QFrame* PanelToolbar = nullptr;
    QWidget* ToolBar1 = nullptr;
    QStatusBar* StatusBar = nullptr;
    std::array<QLabel*, 4> StatusPanels{}; // time, grid, picture, moves
    QTimer* Timer = nullptr;
    FileDialogOptions OpenPictureDialog;
    FileDialogOptions OpenDialog;
    FileDialogOptions SaveDialog;

    QMenu* Game1 = nullptr;
    QAction* ScrambleMenu = nullptr;
    QAction* UnscrambleMenu = nullptr;
    QAction* UndoMenu = nullptr;
    QAction* RedoMenu = nullptr;
    QAction* HintMenu = nullptr;
    QAction* SolveMenu = nullptr;
    QAction* OpenimageMenu = nullptr;
    QAction* NoimageMenu = nullptr;
    QAction* LoadgameMenu = nullptr;
    QMenu* ReopenMenu = nullptr;
    QAction* SavegameMenu = nullptr;
    QAction* BesttimesMenu = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Level1 = nullptr;
    QAction* BeginnerMenu = nullptr;
    QAction* IntermediateMenu = nullptr;
    QAction* AdvancedMenu = nullptr;
    QMenu* Pieces1 = nullptr;
    std::array<QAction*, 9> GridItems{}; // N3x3Menu .. N5x5Menu in menu order
    QAction* CustomMenu = nullptr;
    QMenu* Options1 = nullptr;
    QAction* ShowthumbnailMenu = nullptr;
    QAction* ShownumbersMenu = nullptr;
    QAction* Configurenumericpuzzle1 = nullptr;
    QAction* SetbackgroundcolorMenu = nullptr;
    QAction* SetmusicMenu = nullptr;
    QAction* MusiconMenu = nullptr;
    QAction* SoundonMenu = nullptr;
    QMenu* Help1 = nullptr;
    QAction* HelpcontentsMenu = nullptr;
    QAction* VantrelhomepageMenu = nullptr;
    QAction* SlidorahomepageMenu = nullptr;
    QAction* FreepicturesMenu = nullptr;
    QAction* AboutMenu = nullptr;

    QToolButton* ButtonNew = nullptr;
    QToolButton* ButtonOpenImage = nullptr;
    QToolButton* ButtonNumeric = nullptr;
    QToolButton* ButtonOpenGame = nullptr;
    QToolButton* ButtonSaveGame = nullptr;
    QToolButton* ButtonBestTimes = nullptr;
    QToolButton* ButtonCustomPieces = nullptr;
    QToolButton* ButtonThumbnail = nullptr;
    QToolButton* ButtonSetMusic = nullptr;
    QToolButton* ButtonBackground = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // ---- lifecycle (game/Main.cpp)
    // Offers the game kept when the last run was ended, once.
    void OfferAutosave();
    // The music, errors of the start-up and the kept game wait for the
    // window's first frame.
    bool StartupPending() const;

    // ---- rendering (game/Rendering.cpp)
    // The size the board is shown at in the window (the picture's size, or
    // smaller when the picture is larger than the screen allows).
    QSize ShownBoardSize() const;
    // The scale from picture pixels to the screen's device pixels at which
    // the window fits the work area with a picture of the size.
    BoardView FitView(QSize picture) const;
    // The same in logical pixels: the largest scale up to 1 that fits.
    double FitLogical(QSize picture) const;
    // The board's buffers in device pixels.
    QSize BoardBufferSize() const;
    // The picture the tiles are drawn from, or null.
    const QImage* ViewPicture() const;
    // The client area: the tool-bar panel and the board, without the status bar.
    QWidget* ClientArea() const;
    // The client size the game gave the window (tool bar + board, status bar
    // included); the player may size the window otherwise.
    QSize ClientSize() const;
    // The view that shows the board in a client area of the size: the one
    // the game sized the window for, or else the largest that fits, centred.
    BoardView ViewFor(QSize client) const;
    // After a resize: the board stretched at once, drawn again at its new
    // size once the window has kept its size a moment.
    void FollowWindow();
    // The board drawn again for the window's present size, when it differs.
    void Rescale();
    // A slide or a press first waits for a board drawn at the window's size.
    void SettleView();
    void ToggleFullScreen();
    void DrawPictureAgain();
    void DecodeAgain(const QString& path, QSize held);
    void PaintStretched(QPainter& canvas, const QRect& area);

    // ---- input (game/Input.cpp)
    // Slides the tiles between the blank and the slot, as made by `origin`;
    // animated, drawn and heard, or (animate false) only moved, the board
    // drawn by the caller. False when nothing moved.
    bool MoveTiles(QPoint slot, TMoveHistory::Origin origin, bool animate);
    // The slide to the slot, or nothing when the slot is off the blank's
    // line, is the blank, or a stone lies in the way.
    std::optional<Slide> PlanSlide(int column, int row) const;
    // Draws the moving tiles `offset` picture pixels toward the blank and
    // shows the strip. followsPrevious: the last frame drawn was this slide's
    // frame one step before, so its pixels can be moved on instead of drawn again.
    void DrawSlideFrame(const Slide& slide, int offset, bool followsPrevious);
    // Moves the tiles in the board and, when animated, shows them in their
    // new places; returns the result of the last elementary move.
    bool CompleteSlide(const Slide& slide, bool animate);
    // Copies a rectangle of the back buffer to the window at once.
    void ShowBoardRect(const QRect& rect);
    // Draws the whole board anew and shows it at once.
    void ShowWholeBoard();
    void ShowMissingPiece();
    // Tells a screen reader what the slide moved (Solve's slides are not told).
    void TellSlide(const Slide& slide);
    // A press on the board while no game runs offers a new one.
    void OfferScramble();

    // ---- the keyboard cursor (game/Input.cpp): Shift+arrows move it, Space
    // or Enter press its slot. It is drawn once the player has moved it.
    void MoveKeyCursor(int dColumn, int dRow);
    void PlaceKeyCursor(int column, int row);
    void PressKeyCursor();
    // The cursor's slot (column, row), inside the board's grid.
    QPoint KeyCursorSlot() const;
    // Where its frame is drawn in the client area, or nothing while it is hidden.
    QRect KeyCursorRect() const;
    void PaintKeyCursor(QPainter& canvas, const QRect& area);

    // ---- pictures (pictures/PictureLoading.cpp, pictures/NumericPicture.cpp)
    void PreparePicture();
    // Sizes the window for the board of a picture of this size, and places it.
    void SizeWindowFor(QSize picture);
    void PlaceWindowForBoard(QSize shown);
    void ReleasePictures();
    static bool IsNumericName(const std::optional<QString>& name);

    // ---- saved games (storage/SavedGame.cpp)
    std::optional<QString> LoadGame(QIODevice& file, const QString& fileName, uint32_t& elapsedSeconds);
    // The Save Game dialog, then the save; false when cancelled or failed.
    bool SaveGameAs();
    // The game on the board as a file holds it, with its moves and help.
    TSavedGame GameToSave(const QString& pictureName, uint32_t elapsedSeconds) const;
    // Whole seconds played in the game on the board, pauses left out.
    uint32_t PlayedSeconds() const;

    // ---- settings (storage/Settings.cpp)
    // Stores the settings that differ from what this run read or stored;
    // false when that failed.
    bool SaveChangedSettings();
    void SettingsMayHaveChanged();
    // Checks the Pieces item of the board's grid, or Custom for other grids.
    void CheckBoardGridMenu();
    // Applies the stored values in order; false at the first missing or
    // wrongly typed one.
    bool ApplyStoredSettings(const ISettingsStore& store);
    void ApplyDefaultSettings();

    // ---- background music (audio/BackgroundMusic.cpp)
    void CreateFormMusic();
    // Names the playlist's current entry to the player.
    void NameCurrentPiece();
    // asked: the user asked for the music (rather than a picture or game
    // that was opened), so a failure is shown in a message box.
    void OpenAndPlayMusic(bool asked);
    void ShowMusicFailure(const QString& text, bool asked);

    // ---- recent files, thumbnail, custom grid (pictures/Recent.cpp, pictures/PictureWindows.cpp)
    void SetThumbnailPicture();

    // ---- assists: undo and redo, hints, Solve and the move count (game/Assist.cpp)
    void UndoMenuClick();
    void RedoMenuClick();
    void HintMenuClick();
    void SolveMenuClick();
    // A new board, or a board scrambled: no moves, no history, no help.
    void ResetAssists();
    // A saved game's board: its count and help, no history.
    void ResumeAssists(uint32_t moves, bool helped);
    // A slide of the origin has been made.
    void NoteSlide(TMoveHistory::Origin origin, const TMoveHistory::Step& step);
    // Writes the move count into its panel.
    void ShowMoves();
    // Undo, Redo, Hint and Solve follow the state of the game.
    void UpdateAssistCommands();
    void SolveStep();
    // Single-tile moves in the game on the board; whether help was used.
    uint32_t MoveCount() const;
    bool HelpUsed() const;

    // ---- state
    const std::optional<QString> Argument;
    const QString StartFolder; // the current folder before the window moves to its own
    QString DataFolder; // holds the "Scores" folder: ProgramFolder, or the user's own when that is read-only
    QString PicturesFolder; // where Open Image starts without a picture's folder
    QSize ReadSize;    // the own size of the picture last read
    KeptPicture Kept;  // restarts of an unchanged file cut from this copy
    BoardView View{{}, 1, QPoint(ToolbarWidth, 0)}; // the buffers, painting and presses follow it
    bool PictureScalable = false; // photos may be scaled, the numeric picture never
    bool ClockPaused = false; // a running game's clock stands at StopTick (no focus)
    bool MusicAskedFor = false;      // the last start of the music was the user's request
    bool MusicFailureShown = false;  // a failed start of its own has been shown in this run
    QMap<QString, StoredValue> StoredSettings; // the settings as this run last read or stored them
    bool SettingsFailureShown = false;
    bool RestoringRecentLists = false; // the stored lists are being rebuilt, not changed
    bool ClosingBySignal = false;
    QSize DesignedClient;         // the client area the game sized the window for, status bar left out
    std::optional<BoardView> Stretched; // while the window is sized, the view the held board is stretched to
    QTimer* SettleTimer = nullptr;
    TBackgroundWork<PictureResult> Redecode; // a photo decoded again for a larger window
    std::unique_ptr<TAssists> Assists; // history, plan and the solver's thread

    // ---- components
    // The menu item of a grid code (rows * 10 + columns), or null.
    QAction* GridItem(int code) const;
    // Enables or disables the seven commands of a game in progress.
    void EnableGameCommands(bool enabled);
    // Sets the client area (status bar included) to the given size.
    void SetClientSize(int width, int height);
    // The smallest client area that shows the whole tool bar, and the menu
    // bar on one line.
    QSize LeastClientSize() const;
    void ResizeToDesign();
    void BuildWindowSizing();
    QAction* LeaveFullScreen = nullptr;

    // The window's own parts: its client area, its assists and its start.
    friend class BoardArea;
    friend class TAssists;
    friend class TStartup;
    // The tests' view of the window's workings (tests/fakes/TestWindow.h).
    friend struct TestForm;

    // The part of the back buffer that the visible tiles cover.
    QRegion TileArea() const;
    bool PlayPlanMove(bool animate);
    bool CanAssist() const;
    // Draws the stones and edges of the board into Picture, at the shown scale.
    void DrawPictureBevels();
    // With Show numbers, each photo piece's number in a corner of it, in Picture.
    void DrawPieceNumbers();
    void ShowError(const QString& text);
    // Fills Picture and OrgPicture; an empty text, or what went wrong.
    QString ReadPictureData(const QString& name);
    PictureProblem ReadOrgPicture(const QString& name);
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    QToolButton* AddToolButton(const char* name, const QString& hint, int glyph, void (TFormMain::*handler)());
    void AddToolSeparator();

    BoardArea* Client = nullptr;
    BoardCells* Cells = nullptr; // the board for the keyboard and screen readers
    QPoint KeyCursor;            // (column, row) of the slot the keyboard points at
    bool KeyCursorShown = false;
    friend class BoardCells;
    void RemoveOurTemporaryFiles() const;
    std::unique_ptr<TStartup> Startup;
    bool Closed = false;
};
