// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Puzzle.h"

#include "ResourceImage.h"
#include "TileBlit.h"
#include "ViewScale.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

// ---------------------------------------------------------------- TTombol

TTombol::TTombol(int number, int column, int row, TRect dest)
    : Number(number), PieceColumn(column), PieceRow(row), SlotColumn(column), SlotRow(row), DestRect(dest) {}

void TTombol::SetNumber(int n) {
    Number = n;
    Visible = n != 0;
}

void TTombol::SetPieceColumn(int value, bool alsoSlot) {
    PieceColumn = value;
    if (alsoSlot) SlotColumn = value;
}

void TTombol::SetPieceRow(int value, bool alsoSlot) {
    PieceRow = value;
    if (alsoSlot) SlotRow = value;
}

void TTombol::SetDestBounds(int left, int top, int width, int height) {
    DestRect = TRect{left, top, left + width, top + height};
}

void TTombol::Draw(QPainter& canvas, const QImage* picture) const { DrawTileGroup(canvas, picture, {this}); }

// Stretches the part of `source` that lies in the picture onto the matching
// part of `dest`, so that nothing is read from outside the picture.
static void DrawClipped(QPainter& canvas, const QImage& picture, const QRect& source, const QRect& dest) {
    const QRect inside = source & picture.rect();
    if (inside.isEmpty()) return;
    auto x = [&](int sx) { return dest.left() + int(int64_t(sx - source.left()) * dest.width() / source.width()); };
    auto y = [&](int sy) { return dest.top() + int(int64_t(sy - source.top()) * dest.height() / source.height()); };
    const QRect target(QPoint(x(inside.left()), y(inside.top())),
                       QPoint(x(inside.right() + 1) - 1, y(inside.bottom() + 1) - 1));
    if (!target.isEmpty()) canvas.drawImage(target, picture, inside);
}

void DrawTileGroup(QPainter& canvas, const QImage* picture, const std::vector<const TTombol*>& tiles, QPoint shift) {
    DrawTileGroup(canvas, picture, tiles, shift, ViewScale());
}

void DrawTileGroup(QPainter& canvas, const QImage* picture, const std::vector<const TTombol*>& tiles, QPoint shift,
                   const ViewScale& scale) {
    if (!picture) return;
    QPoint offset;
    QImage* target = picture->format() == QImage::Format_RGB888 ? DirectTarget(canvas, offset) : nullptr;
    std::vector<TileCopy> copies;
    for (const TTombol* tile : tiles) {
        const QRect dest = scale.Map(tile->GetDestRect()).translated(shift), source = scale.Map(tile->GetSourceRect());
        if (!tile->GetVisible() || dest.isEmpty() || source.isEmpty()) continue;
        if (target && dest.size() == source.size())
            copies.push_back({source, dest.topLeft() + offset});
        else
            DrawClipped(canvas, *picture, source, dest);
    }
    if (target) BlitTiles(*picture, copies, *target);
}

// ---------------------------------------------------------------- helpers

// Rows of a large picture are far apart in memory; loops that walk down a
// picture touching a few cache lines per row fetch this many rows ahead.
static constexpr int PrefetchRows = 4;

int Random(int n) { return n == 0 ? 0 : std::rand() % n; }

int StoneCount(int columns, int rows, int level) {
    const int n = columns * rows;
    if (level <= 1) return 0;
    if (level == 2) return n < 20 ? 0 : n / 40 + 1;
    return n / 20 + 1;
}

const QImage& StoneTexture() {
    static const QImage stone = [] {
        QImage image = ReadResourceImage(QStringLiteral(":/stone.bmp"), "bmp");
        if (image.format() != QImage::Format_Indexed8) {
            // Without the resource a plain dark stone still marks the cell.
            image = QImage(64, 64, QImage::Format_Indexed8);
            image.setColor(0, qRgb(72, 62, 54));
            image.fill(0);
        }
        return image;
    }();
    return stone;
}

namespace {

// Paints the stone texture stretched smoothly (bilinear) over rectangles of a
// picture, so that it stays a stone on large tiles too. Only the part inside
// the picture is computed; the columns' taps are made once per rectangle
// width and reused for every stone of that width.
class StoneBrush {
public:
    void Paint(QImage& picture, const TRect& rect) {
        const int left = std::max(rect.Left, 0), top = std::max(rect.Top, 0);
        const int right = std::min(rect.Right, picture.width()), bottom = std::min(rect.Bottom, picture.height());
        if (left >= right || top >= bottom) return;
        const QImage& texture = TextureRgb();
        Prepare(rect.Width(), left - rect.Left, right - left, texture.width());
        for (int y = top; y < bottom; ++y) {
            const Tap row = TapFor(y - rect.Top, rect.Height(), texture.height());
            const uchar* upper = texture.constScanLine(row.first);
            const uchar* lower = texture.constScanLine(row.second);
            uchar* out = picture.scanLine(y) + left * 3;
            for (const Tap& column : columns)
                for (int channel = 0; channel < 3; ++channel, ++out) {
                    const int a = column.first * 3 + channel, b = column.second * 3 + channel;
                    const int above = upper[a] * (256 - column.weight) + upper[b] * column.weight;
                    const int below = lower[a] * (256 - column.weight) + lower[b] * column.weight;
                    *out = static_cast<uchar>((above * (256 - row.weight) + below * row.weight + 32768) >> 16);
                }
        }
    }

private:
    // The two texture pixels a picture pixel lies between, and the weight of the second (of 256).
    struct Tap {
        int first, second, weight;
    };
    static Tap TapFor(int64_t at, int64_t size, int textureSize) {
        const double position = std::clamp((double(at) + 0.5) * textureSize / double(size) - 0.5, 0.0,
                                           double(textureSize - 1));
        const int first = int(position);
        return {first, std::min(first + 1, textureSize - 1), int((position - first) * 256)};
    }

    static const QImage& TextureRgb() {
        static const QImage rgb = StoneTexture().convertToFormat(QImage::Format_RGB888);
        return rgb;
    }

    void Prepare(int width, int offset, int count, int textureWidth) {
        if (width == builtWidth && offset == builtOffset && count == builtCount) return;
        builtWidth = width, builtOffset = offset, builtCount = count;
        columns.clear();
        for (int i = 0; i < count; ++i) columns.push_back(TapFor(offset + i, width, textureWidth));
    }

    int builtWidth = -1, builtOffset = -1, builtCount = -1;
    std::vector<Tap> columns;
};

} // namespace

void StretchStone(QImage& picture, const TRect& rect) { StoneBrush().Paint(picture, rect); }

namespace {

inline void Lighten(uchar* p) {
    for (int i = 0; i < 3; ++i) p[i] = static_cast<uchar>(std::min(255, p[i] + 50));
}

inline void Darken(uchar* p) {
    for (int i = 0; i < 3; ++i) p[i] = static_cast<uchar>(std::max(0, p[i] - 50));
}

// The raised edge of one cell. Each pixel receives, in this order: the top
// row's lightening, the bottom row's darkening (not at the left column), the
// left column's lightening and the right column's darkening (not at the top
// row). Walking the cell row by row keeps memory access sequential.
struct CellEdge {
    int x0, x1, y0, y1;

    void Apply(uchar* p, int x, int y) const {
        if (y == y0) Lighten(p);
        if (y == y1 && x > x0) Darken(p);
        if (x == x0) Lighten(p);
        if (x == x1 && y > y0) Darken(p);
    }
};

} // namespace

// ---------------------------------------------------------------- TPuzzle

TPuzzle::TPuzzle(int columns, int rows) {
    // Columns beyond the slot array cannot be played; keep them inside it.
    Columns = std::clamp(columns, MinSize, MaxSize);
    Rows = std::clamp(rows, MinSize, MaxSize);
    BlankColumn = MissingColumn = Columns - 1;
    BlankRow = MissingRow = Rows - 1;
    Flag = 1;
    Tiles.reserve(MaxSize * MaxSize);
    for (int r = 0; r < MaxSize; ++r)
        for (int c = 0; c < MaxSize; ++c) Tiles.emplace_back(0, c, r, TRect{});
}

TTombol& TPuzzle::GetTile(int row, int column) { return Tiles[static_cast<size_t>(row * MaxSize + column)]; }

const TTombol& TPuzzle::GetTile(int row, int column) const {
    return Tiles[static_cast<size_t>(row * MaxSize + column)];
}

void TPuzzle::SetMissingColumn(int c) { MissingColumn = (c >= Columns || c < 0) ? Columns - 1 : c; }

void TPuzzle::SetMissingRow(int r) { MissingRow = (r >= Rows || r < 0) ? Rows - 1 : r; }

bool TPuzzle::InGrid(int column, int row) const { return column >= 0 && column < Columns && row >= 0 && row < Rows; }

bool TPuzzle::SetSize(int columns, int rows) {
    auto inRange = [](int v) { return v >= MinSize && v <= MaxSize ? v : MinSize; };
    columns = inRange(columns);
    rows = inRange(rows);
    const bool missingAtCorner = MissingColumn == Columns - 1 && MissingRow == Rows - 1;
    if (missingAtCorner) {
        MissingColumn = columns - 1;
        MissingRow = rows - 1;
    }
    Columns = columns;
    Rows = rows;
    SetMissingColumn(MissingColumn);
    SetMissingRow(MissingRow);

    int k = 1;
    for (int r = 0; r < MaxSize; ++r) {
        for (int c = 0; c < MaxSize; ++c) {
            TTombol& tile = GetTile(r, c);
            tile.SetTileColor(0x808080);
            tile.SetPieceColumn(c, true);
            tile.SetPieceRow(r, true);
            if (r < Rows && c < Columns) {
                tile.SetVisible(true);
                tile.SetNumber(k++);
            } else {
                tile.SetVisible(false);
            }
        }
    }
    GetTile(MissingRow, MissingColumn).SetNumber(0);
    BlankColumn = MissingColumn;
    BlankRow = MissingRow;
    return true;
}

void TPuzzle::ChooseMissingSlot(int level) {
    if (level <= 1) {
        MissingColumn = Columns - 1;
        MissingRow = Rows - 1;
    } else if (level == 2) {
        do {
            MissingColumn = Random(Columns);
            MissingRow = Random(Rows);
        } while (MissingColumn == Columns - 1 && MissingRow == Rows - 1);
    } else {
        MissingColumn = Random(Columns);
        MissingRow = Random(Rows);
    }
    BlankColumn = MissingColumn;
    BlankRow = MissingRow;
}

// The stones are painted into the picture by DrawBevels, which follows.
void TPuzzle::PlaceStones(int level) {
    const int stones = StoneCount(Columns, Rows, level);
    for (int i = 0; i < stones; ++i) {
        TTombol* tile = nullptr;
        do {
            const int c = Random(Columns);
            const int r = Random(Rows);
            tile = &GetTile(r, c);
        } while (tile->GetNumber() < 1);
        tile->SetNumber(-1);
    }
}

void TPuzzle::CutPicture(QImage& picture, int level) {
    if (picture.format() != QImage::Format_RGB888) picture.convertTo(QImage::Format_RGB888);
    CutGrid(picture.width(), picture.height(), level);
    DrawBevels(picture);
}

void TPuzzle::CutGrid(int width, int height, int level) {
    ChooseMissingSlot(level);
    const int tileWidth = width / Columns;
    const int tileHeight = height / Rows;
    int k = 1;
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            TTombol& tile = GetTile(r, c);
            tile.SetNumber(k++);
            tile.SetPieceColumn(c, true);
            tile.SetPieceRow(r, true);
            const TRect cell{c * tileWidth, r * tileHeight, (c + 1) * tileWidth, (r + 1) * tileHeight};
            tile.SetSourceRect(cell);
            tile.SetDestRect(cell);
        }
    }
    GetTile(MissingRow, MissingColumn).SetNumber(0);
    PlaceStones(level);
}

void TPuzzle::DrawBevels(QImage& picture) {
    if (picture.format() != QImage::Format_RGB888) picture.convertTo(QImage::Format_RGB888);
    const int tileWidth = picture.width() / Columns;
    const int tileHeight = picture.height() / Rows;

    StoneBrush brush;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            if (GetTile(r, c).GetNumber() == -1) brush.Paint(picture, GetTile(r, c).GetDestRect());

    if (tileWidth == 0 || tileHeight == 0) return;
    const qsizetype stride = picture.bytesPerLine();
    uchar* bits = picture.bits();
    for (int r = 0; r < Rows; ++r) {
        const int y0 = r * tileHeight, y1 = y0 + tileHeight - 1;
        for (int y = y0; y <= y1; ++y) {
            uchar* row = bits + y * stride;
            const bool wholeRow = y == y0 || y == y1;
            if (y + PrefetchRows < picture.height()) {
                // The edges of a column touch one cache line per row: fetch ahead.
                const uchar* ahead = row + PrefetchRows * stride;
                for (int c = 0; c < Columns; ++c) __builtin_prefetch(ahead + c * tileWidth * 3, 1);
            }
            for (int c = 0; c < Columns; ++c) {
                const CellEdge edge{c * tileWidth, c * tileWidth + tileWidth - 1, y0, y1};
                if (wholeRow) {
                    for (int x = edge.x0; x <= edge.x1; ++x) edge.Apply(row + x * 3, x, y);
                } else {
                    edge.Apply(row + edge.x0 * 3, edge.x0, y);
                    if (edge.x1 != edge.x0) edge.Apply(row + edge.x1 * 3, edge.x1, y);
                }
            }
        }
    }
}

void TPuzzle::DrawBevels(QImage& picture, const ViewScale& scale) const {
    if (picture.format() != QImage::Format_RGB888) picture.convertTo(QImage::Format_RGB888);
    auto shown = [&](int r, int c) {
        const QRect cell = scale.Map(GetTile(r, c).GetDestRect());
        return TRect{cell.left(), cell.top(), cell.left() + cell.width(), cell.top() + cell.height()};
    };
    StoneBrush brush;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            if (GetTile(r, c).GetNumber() == -1) brush.Paint(picture, shown(r, c));

    const qsizetype stride = picture.bytesPerLine();
    uchar* bits = picture.bits();
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            const TRect cell = shown(r, c);
            if (cell.IsEmpty() || cell.Left < 0 || cell.Top < 0 || cell.Right > picture.width() ||
                cell.Bottom > picture.height())
                continue;
            const CellEdge edge{cell.Left, cell.Right - 1, cell.Top, cell.Bottom - 1};
            for (int y = edge.y0; y <= edge.y1; ++y) {
                uchar* row = bits + y * stride;
                if (y == edge.y0 || y == edge.y1) {
                    for (int x = edge.x0; x <= edge.x1; ++x) edge.Apply(row + x * 3, x, y);
                } else {
                    edge.Apply(row + edge.x0 * 3, edge.x0, y);
                    if (edge.x1 != edge.x0) edge.Apply(row + edge.x1 * 3, edge.x1, y);
                }
            }
        }
    }
}

bool TPuzzle::IsRegularGrid() const {
    const TRect first = GetTile(0, 0).GetDestRect();
    const int width = first.Width(), height = first.Height();
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            const TTombol& tile = GetTile(r, c);
            const TRect cell{c * width, r * height, (c + 1) * width, (r + 1) * height};
            const TRect source = tile.GetSourceRect();
            if (tile.GetDestRect() != cell || source.Width() != width || source.Height() != height) return false;
        }
    }
    return true;
}

void TPuzzle::DrawTiles(QPainter& canvas, const QImage* picture) const { DrawTiles(canvas, picture, ViewScale()); }

void TPuzzle::DrawTiles(QPainter& canvas, const QImage* picture, const ViewScale& scale) const {
    const bool rowsApart = IsRegularGrid();
    std::vector<const TTombol*> group;
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            group.push_back(&GetTile(r, c));
            // Cells of a regular grid never overlap: a board row can be
            // copied as one group. Otherwise keep the order slot by slot.
            if (!rowsApart) DrawTileGroup(canvas, picture, std::exchange(group, {}), QPoint(), scale);
        }
        DrawTileGroup(canvas, picture, std::exchange(group, {}), QPoint(), scale);
    }
}

// ---------------------------------------------------------------- moves

bool TPuzzle::MoveBlank(int dColumn, int dRow) {
    // A blank outside the grid (a board restored without one) cannot move.
    if (!InGrid(BlankColumn, BlankRow)) return false;
    const int column = BlankColumn + dColumn, row = BlankRow + dRow;
    if (!InGrid(column, row)) return false;
    TTombol& neighbour = GetTile(row, column);
    if (neighbour.GetNumber() == -1) return false;
    TTombol& blank = GetTile(BlankRow, BlankColumn);
    BlankColumn = column;
    BlankRow = row;
    blank.SetSourceRect(neighbour.GetSourceRect());
    blank.SetPieceColumn(neighbour.GetPieceColumn(), false);
    blank.SetPieceRow(neighbour.GetPieceRow(), false);
    blank.SetNumber(neighbour.GetNumber());
    neighbour.SetNumber(0);
    return true;
}

bool TPuzzle::BlankLeft() { return MoveBlank(-1, 0); }
bool TPuzzle::BlankRight() { return MoveBlank(1, 0); }
bool TPuzzle::BlankUp() { return MoveBlank(0, -1); }
bool TPuzzle::BlankDown() { return MoveBlank(0, 1); }

void TPuzzle::Shuffle() {
    for (int i = 0; i < ShuffleMoves; ++i) {
        switch (Random(4)) {
        case 0:
            BlankLeft();
            break;
        case 1:
            BlankRight();
            break;
        case 2:
            BlankUp();
            break;
        default:
            BlankDown();
            break;
        }
    }
}

bool TPuzzle::IsSolved() const {
    int k = 1;
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c, ++k) {
            if (r == MissingRow && c == MissingColumn) continue;
            const int number = GetTile(r, c).GetNumber();
            if (number != k && number != -1) return false;
        }
    }
    return true;
}
