// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The board of the sliding puzzle: tile slots, cutting a picture into
// tiles, stones and bevels, the elementary moves, shuffle and solved test.
#pragma once

#include <QPoint>
#include <cstdint>
#include <vector>

class QImage;
class QPainter;
struct ViewScale;

// A rectangle with exclusive right and bottom edges.
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int32_t x, int32_t y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// One slot of the grid and the piece it currently shows.
class TTombol {
public:
    TTombol(int number, int column, int row, TRect dest);

    int GetNumber() const { return Number; }
    int GetPieceColumn() const { return PieceColumn; }
    int GetPieceRow() const { return PieceRow; }
    int GetSlotColumn() const { return SlotColumn; }
    int GetSlotRow() const { return SlotRow; }
    TRect GetDestRect() const { return DestRect; }
    TRect GetSourceRect() const { return SourceRect; }
    bool GetVisible() const { return Visible; }
    uint32_t GetTileColor() const { return TileColor; }

    // Every change of the number goes through here: 0 (the blank) hides the slot.
    void SetNumber(int n);
    void SetPieceColumn(int value, bool alsoSlot);
    void SetPieceRow(int value, bool alsoSlot);
    void SetSlotColumn(int value) { SlotColumn = value; }
    void SetSlotRow(int value) { SlotRow = value; }
    void SetVisible(bool value) { Visible = value; }
    void SetDestRect(TRect r) { DestRect = r; }
    void SetSourceRect(TRect r) { SourceRect = r; }
    void SetTileColor(uint32_t color) { TileColor = color; }
    void SetDestBounds(int left, int top, int width, int height);

    // Copies SourceRect of the picture 1:1 into DestRect of the canvas.
    void Draw(QPainter& canvas, const QImage* picture) const;

private:
    int32_t Number;
    int32_t PieceColumn;
    int32_t PieceRow;
    int32_t SlotColumn;
    int32_t SlotRow;
    TRect DestRect;
    TRect SourceRect;
    bool Visible = true;
    uint32_t TileColor = 0xC0C0C0;
};

class TPuzzle {
public:
    static constexpr int MaxSize = 20;
    static constexpr int MinSize = 3;
    static constexpr int ShuffleMoves = 10000;

    TPuzzle(int columns, int rows);

    int GetColumns() const { return Columns; }
    int GetRows() const { return Rows; }
    int GetBlankColumn() const { return BlankColumn; }
    int GetBlankRow() const { return BlankRow; }
    int GetMissingColumn() const { return MissingColumn; }
    int GetMissingRow() const { return MissingRow; }
    uint8_t GetFlag() const { return Flag; }

    TTombol& GetTile(int row, int column);
    const TTombol& GetTile(int row, int column) const;

    void SetBlankColumn(int c) { BlankColumn = c; }
    void SetBlankRow(int r) { BlankRow = r; }
    void SetMissingColumn(int c);
    void SetMissingRow(int r);
    void SetFlag(uint8_t b) { Flag = b; }

    bool SetSize(int columns, int rows);
    void CutPicture(QImage& picture, int level);
    // The cut of a picture of the given size without its pixels: the slots,
    // the blank and the stones, as CutPicture makes them; draws nothing.
    void CutGrid(int width, int height, int level);
    void DrawBevels(QImage& picture);
    // The stones and edges of every slot in play, drawn into a picture shown
    // at the scale, in the slots' shown places.
    void DrawBevels(QImage& picture, const ViewScale& scale) const;

    bool BlankLeft();
    bool BlankRight();
    bool BlankUp();
    bool BlankDown();
    void Shuffle();
    bool IsSolved() const;

    // Draws every slot in play, row by row, as TTombol::Draw does; with a
    // scale, from a picture shown at that scale into shown places.
    void DrawTiles(QPainter& canvas, const QImage* picture) const;
    void DrawTiles(QPainter& canvas, const QImage* picture, const ViewScale& scale) const;

private:
    bool MoveBlank(int dColumn, int dRow);
    bool InGrid(int column, int row) const;
    // Every slot in play is drawn into its own cell of equal size, 1:1.
    bool IsRegularGrid() const;
    void ChooseMissingSlot(int level);
    void PlaceStones(int level);

    std::vector<TTombol> Tiles; // MaxSize x MaxSize, row-major
    int32_t BlankColumn;
    int32_t BlankRow;
    int32_t MissingColumn;
    int32_t MissingRow;
    int32_t Columns;
    int32_t Rows;
    uint8_t Flag;
};

// Draws the tiles as TTombol::Draw does, each moved by `shift`, as one group:
// tiles side by side are copied row by row across the group. Their places
// must not overlap.
void DrawTileGroup(QPainter& canvas, const QImage* picture, const std::vector<const TTombol*>& tiles,
                   QPoint shift = QPoint());
// The same from a picture shown at the scale; `shift` is in shown pixels.
void DrawTileGroup(QPainter& canvas, const QImage* picture, const std::vector<const TTombol*>& tiles, QPoint shift,
                   const ViewScale& scale);

// std::rand() % n, or 0 for n == 0.
int Random(int n);

// Number of stones a board of the given size gets at the given level.
int StoneCount(int columns, int rows, int level);

// The 64 x 64 stone texture stretched over stone cells.
const QImage& StoneTexture();

// Stretches the texture over the rectangle of the picture, dropping or
// repeating pixels (never blending). The rectangle is clipped to the picture.
void StretchStone(QImage& picture, const TRect& rect);
