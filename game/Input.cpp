// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The player's input: mouse presses and arrow keys slide tiles toward the
// blank with a short animation; Scramble starts a game.
#include "Main.h"

#include "Assist.h"
#include "BoardAccessible.h"
#include "BoardArea.h"
#include "platform/WinColor.h"

#include <QFrame>
#include <QPainter>
#include <QTimer>
#include <algorithm>

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

QRect FromEdges(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

// Fills a rectangle of a 32-bit image with one colour, clipped to the image.
void FillRect(QImage& image, QRect rect, QRgb color) {
    rect &= image.rect();
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)) + rect.left(), rect.width(), color);
}

// Moves the pixels of a rectangle of a 32-bit image by `delta`, clipped to the image.
void ShiftPixels(QImage& image, QRect rect, QPoint delta) {
    rect &= image.rect().translated(-delta) & image.rect();
    if (rect.isEmpty()) return;
    const size_t bytes = size_t(rect.width()) * 4;
    // Walk the rows so that no row is overwritten before it is moved.
    const int first = delta.y() > 0 ? rect.bottom() : rect.top(), last = delta.y() > 0 ? rect.top() : rect.bottom();
    const int step = delta.y() > 0 ? -1 : 1;
    for (int y = first;; y += step) {
        std::memmove(image.scanLine(y + delta.y()) + (rect.left() + delta.x()) * 4,
                     image.constScanLine(y) + rect.left() * 4, bytes);
        if (y == last) break;
    }
}

} // namespace

void TFormMain::FormMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    SettleView();
    // Around a board smaller than the window there is nothing to press.
    const QRect board(View.origin, ShownBoardSize());
    if (!Picture.isNull() && x >= PanelToolbar->width() && !board.contains(x, y)) return;
    if (GameStopped) return OfferScramble();
    const QPoint at = View.DeviceAt(QPoint(x, y));
    for (int r = 0; r < Puzzle->GetRows(); ++r) {
        for (int c = 0; c < Puzzle->GetColumns(); ++c) {
            const TTombol& tile = Puzzle->GetTile(r, c);
            if (View.Map(tile.GetDestRect()).contains(at) && tile.GetNumber() != 0) {
                SlideTiles(tile.GetSlotColumn(), tile.GetSlotRow());
                return;
            }
        }
    }
}

void TFormMain::OfferScramble() {
    // Scramble is disabled while there is no picture; so is this way to it.
    if (Picture.isNull()) return;
    if (Services.dialogs.MessageBox(this, tr("Do you want to scramble the puzzle?"), MsgIcon::Question,
                                    MsgButtons::YesNo) == MsgResult::Yes)
        ScrambleMenuClick();
}

void TFormMain::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
    if (shift & Qt::ShiftModifier) {
        switch (key) {
        case Qt::Key_Left:
            return MoveKeyCursor(-1, 0);
        case Qt::Key_Up:
            return MoveKeyCursor(0, -1);
        case Qt::Key_Right:
            return MoveKeyCursor(1, 0);
        case Qt::Key_Down:
            return MoveKeyCursor(0, 1);
        }
    }
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) return PressKeyCursor();
    if (GameStopped) return;
    int column = Puzzle->GetBlankColumn(), row = Puzzle->GetBlankRow();
    switch (key) {
    case Qt::Key_Left:
        ++column;
        break; // the tile right of the blank moves left
    case Qt::Key_Up:
        ++row;
        break; // the tile below the blank moves up
    case Qt::Key_Right:
        --column;
        break; // the tile left of the blank moves right
    case Qt::Key_Down:
        --row;
        break; // the tile above the blank moves down
    default:
        return;
    }
    SlideTiles(column, row);
}

QPoint TFormMain::KeyCursorSlot() const {
    return QPoint(std::clamp(KeyCursor.x(), 0, std::max(0, Puzzle->GetColumns() - 1)),
                  std::clamp(KeyCursor.y(), 0, std::max(0, Puzzle->GetRows() - 1)));
}

QRect TFormMain::KeyCursorRect() const {
    if (!KeyCursorShown || Picture.isNull() || Puzzle->GetColumns() == 0 || Puzzle->GetRows() == 0) return QRect();
    const QPoint slot = KeyCursorSlot();
    return View.InClient(View.Map(Puzzle->GetTile(slot.y(), slot.x()).GetDestRect()));
}

void TFormMain::MoveKeyCursor(int dColumn, int dRow) {
    const QPoint at = KeyCursorSlot();
    PlaceKeyCursor(at.x() + dColumn, at.y() + dRow);
}

void TFormMain::PlaceKeyCursor(int column, int row) {
    if (Picture.isNull()) return;
    const QRect before = KeyCursorRect();
    KeyCursor = QPoint(column, row);
    KeyCursor = KeyCursorSlot();
    KeyCursorShown = true;
    Client->update(before);
    Client->update(KeyCursorRect());
    Cells->TellCursor();
}

// As a press of the mouse on the cursor's slot.
void TFormMain::PressKeyCursor() {
    if (GameStopped) return OfferScramble();
    const QPoint slot = KeyCursorSlot();
    if (Puzzle->GetTile(slot.y(), slot.x()).GetNumber() != 0) SlideTiles(slot.x(), slot.y());
}

namespace {

// A frame `width` pixels wide just inside the rectangle.
void FillRing(QPainter& canvas, const QRect& r, int width, const QColor& color) {
    canvas.fillRect(r.left(), r.top(), r.width(), width, color);
    canvas.fillRect(r.left(), r.bottom() - width + 1, r.width(), width, color);
    canvas.fillRect(r.left(), r.top() + width, width, r.height() - 2 * width, color);
    canvas.fillRect(r.right() - width + 1, r.top() + width, width, r.height() - 2 * width, color);
}

} // namespace

// Black, white and black again: on any picture and in any palette one of
// them stands out from what is around.
void TFormMain::PaintKeyCursor(QPainter& canvas, const QRect& area) {
    const QRect cell = KeyCursorRect();
    if (cell.isEmpty() || !cell.intersects(area)) return;
    FillRing(canvas, cell, 1, Qt::black);
    FillRing(canvas, cell.adjusted(1, 1, -1, -1), 2, Qt::white);
    FillRing(canvas, cell.adjusted(3, 3, -3, -3), 1, Qt::black);
}

void TFormMain::ScrambleMenuClick() {
    Puzzle->Shuffle();
    GameStopped = false;
    ResetAssists();
    Timer->start();
    StartTick = StopTick = Services.clock.TickCount();
    ClockPaused = false;
    RedrawBoard();
    ClientArea()->update();
    Cells->TellBoardChanged({});
}

std::optional<TFormMain::Slide> TFormMain::PlanSlide(int column, int row) const {
    const int blankColumn = Puzzle->GetBlankColumn(), blankRow = Puzzle->GetBlankRow();
    const int columns = Puzzle->GetColumns(), rows = Puzzle->GetRows();
    const bool blankInGrid = blankColumn >= 0 && blankColumn < columns && blankRow >= 0 && blankRow < rows;
    const bool inColumn = column == blankColumn && row >= 0 && row < rows;
    const bool inRow = row == blankRow && column >= 0 && column < columns;
    if (!blankInGrid || !(inColumn || inRow) || (column == blankColumn && row == blankRow)) return std::nullopt;

    Slide slide;
    slide.dColumn = Sign(column - blankColumn);
    slide.dRow = Sign(row - blankRow);
    for (int c = blankColumn + slide.dColumn, r = blankRow + slide.dRow;; c += slide.dColumn, r += slide.dRow) {
        if (Puzzle->GetTile(r, c).GetNumber() == -1) return std::nullopt;
        slide.moving.push_back(QPoint(c, r));
        if (c == column && r == row) break;
    }
    const TTombol& first = Puzzle->GetTile(slide.moving.front().y(), slide.moving.front().x());
    slide.first = View.Map(first.GetDestRect());
    slide.target = View.Map(Puzzle->GetTile(row, column).GetDestRect());
    slide.size = Picture.isNull() ? 0 : slide.dRow != 0 ? PictureHeight / rows : PictureWidth / columns;
    slide.step = std::max(1, slide.size / 15);
    // Shown smaller, a step may cover one pixel more or less.
    slide.shownStep = View.IsIdentity() ? slide.step : View.Map(slide.step) + 1;
    return slide;
}

namespace {

// A rectangle by its edges, right and bottom exclusive.
struct Edges {
    int left, top, right, bottom;
    explicit Edges(const QRect& r) : left(r.x()), top(r.y()), right(r.x() + r.width()), bottom(r.y() + r.height()) {}
};

// Where the moving tiles, shifted `offset` shown pixels toward the blank,
// stand outside the target's own cell.
QRect MovedArea(const TFormMain::Slide& slide, int offset) {
    const Edges first(slide.first), t(slide.target);
    const int dx = -slide.dColumn * offset, dy = -slide.dRow * offset;
    int left = std::min(first.left, t.left) + dx, top = std::min(first.top, t.top) + dy;
    int right = std::max(first.right, t.right) + dx, bottom = std::max(first.bottom, t.bottom) + dy;
    if (slide.dColumn < 0) left = std::max(left, t.right);
    if (slide.dColumn > 0) right = std::min(right, t.left);
    if (slide.dRow < 0) top = std::max(top, t.bottom);
    if (slide.dRow > 0) bottom = std::min(bottom, t.top);
    return FromEdges(left, top, right, bottom);
}

// The strip from the leading edge of the tile next to the blank, `offset`
// shown pixels on, to the far side of the target.
QRect FrameStrip(const TFormMain::Slide& slide, int offset) {
    const Edges first(slide.first), t(slide.target);
    const int step = slide.shownStep;
    if (slide.dRow > 0) return FromEdges(t.left, first.top - offset, t.right, t.bottom + step);
    if (slide.dRow < 0) return FromEdges(t.left, t.top - step, t.right, first.bottom + offset);
    if (slide.dColumn > 0) return FromEdges(first.left - offset, t.top, t.right + step, t.bottom);
    return FromEdges(t.left - step, t.top, first.right + offset, t.bottom);
}

} // namespace

void TFormMain::DrawSlideFrame(const Slide& slide, int offset, bool followsPrevious) {
    const QPoint toBlank(-slide.dColumn, -slide.dRow);
    const int shown = View.Map(offset);
    std::vector<const TTombol*> tiles;
    if (followsPrevious && offset >= slide.step) {
        // The previous frame shows every tile a step short, except the part
        // of the target inside its own cell, which was cleared: move those
        // pixels on, then draw only the target anew.
        const int before = View.Map(offset - slide.step);
        ShiftPixels(BackBuffer, MovedArea(slide, before), toBlank * (shown - before));
        tiles.push_back(&Puzzle->GetTile(slide.moving.back().y(), slide.moving.back().x()));
    } else {
        for (const QPoint slot : slide.moving) tiles.push_back(&Puzzle->GetTile(slot.y(), slot.x()));
    }
    {
        QPainter canvas(&BackBuffer);
        DrawTileGroup(canvas, ViewPicture(), tiles, toBlank * shown, View.scale);
    }
    ShowBoardRect(FrameStrip(slide, shown));
    // Clear what the tiles leave behind before the next frame.
    FillRect(BackBuffer, slide.target, ToQRgb(BackgroundColor));
}

void TFormMain::ShowWholeBoard() {
    RedrawBoard();
    ShowBoardRect(BackBuffer.rect());
}

void TFormMain::ShowBoardRect(const QRect& rect) {
    const QRect visible = rect & BackBuffer.rect();
    if (!visible.isEmpty()) ClientArea()->repaint(View.InClient(visible));
}

bool TFormMain::CompleteSlide(const Slide& slide, bool animate) {
    bool moved = false;
    for (size_t i = 0; i < slide.moving.size(); ++i) {
        if (slide.dRow > 0) moved = Puzzle->BlankDown();
        if (slide.dRow < 0) moved = Puzzle->BlankUp();
        if (slide.dColumn > 0) moved = Puzzle->BlankRight();
        if (slide.dColumn < 0) moved = Puzzle->BlankLeft();
    }
    if (!animate) return moved;
    // The old blank, the moved tiles and the new blank, each with the step
    // before it (above for a column, left for a row).
    FillRect(BackBuffer, slide.target, ToQRgb(BackgroundColor)); // the new blank
    QRect changed;
    {
        QPainter canvas(&BackBuffer);
        const QPoint oldBlank = slide.moving.front() - QPoint(slide.dColumn, slide.dRow);
        for (QPoint slot = oldBlank;; slot += QPoint(slide.dColumn, slide.dRow)) {
            const TTombol& tile = Puzzle->GetTile(slot.y(), slot.x());
            DrawTileGroup(canvas, ViewPicture(), {&tile}, QPoint(), View.scale);
            const QRect cell = View.Map(tile.GetDestRect());
            const int step = slide.shownStep;
            changed |= slide.dRow != 0 ? cell.adjusted(0, -step, 0, 0) : cell.adjusted(-step, 0, 0, 0);
            if (slot == slide.moving.back()) break;
        }
    }
    ShowBoardRect(changed);
    return moved;
}

// The finished picture: the missing piece drawn into the blank, in the
// back buffer only, until the next redraw brings the blank back.
void TFormMain::ShowMissingPiece() {
    const QImage* picture = ViewPicture();
    if (!picture) return;
    const TRect missing = Puzzle->GetTile(Puzzle->GetMissingRow(), Puzzle->GetMissingColumn()).GetDestRect();
    const QRect cell = View.Map(missing) & picture->rect() & BackBuffer.rect();
    {
        QPainter canvas(&BackBuffer);
        canvas.setCompositionMode(QPainter::CompositionMode_Source);
        canvas.drawImage(cell, *picture, cell);
    }
    ShowBoardRect(cell);
}

void TFormMain::TellSlide(const Slide& slide) {
    if (Assists->solveTimer.isActive()) return; // Solve tells its start and its end only
    const QPoint toBlank(-slide.dColumn, -slide.dRow);
    QStringList tiles;
    for (const QPoint slot : slide.moving) tiles << Cells->TileName(slot.y() + toBlank.y(), slot.x() + toBlank.x());
    Cells->TellSlide(slide.moving.front() + toBlank, slide.moving.back(), tiles, toBlank);
}

void TFormMain::SlideTiles(int column, int row) { MoveTiles(QPoint(column, row), TMoveHistory::Origin::Player, true); }

bool TFormMain::MoveTiles(QPoint slot, TMoveHistory::Origin origin, bool animate) {
    SettleView();
    const std::optional<Slide> slide = PlanSlide(slot.x(), slot.y());
    if (!slide) return false;
    // Frames 3 ms apart: each sleep lasts until the next frame is due, so the
    // drawing does not slow the animation down. A tile of size 0 has no frames.
    uint32_t due = Services.clock.TickCount();
    for (int offset = 0; animate && offset < slide->size; offset += slide->step) {
        DrawSlideFrame(*slide, offset, offset > 0);
        due += 3;
        const int32_t wait = int32_t(due - Services.clock.TickCount());
        if (wait > 0) Services.clock.Sleep(wait);
    }
    const QPoint blank = slide->moving.front() - QPoint(slide->dColumn, slide->dRow);
    if (!CompleteSlide(*slide, animate)) return false;
    NoteSlide(origin, {blank, slide->moving.back(), int(slide->moving.size())});
    TellSlide(*slide);
    GameStopped = Puzzle->IsSolved();
    if (!GameStopped && SoundOn && animate) Services.sound.Play(QStringLiteral("click.wav"));
    if (GameStopped) {
        if (!animate) ShowWholeBoard();
        StopAssisting();
        UpdateAssistCommands();
        ShowMissingPiece();
        if (SoundOn) Services.sound.Play(QStringLiteral("SystemStart"));
        FinishGame();
    }
    return true;
}
