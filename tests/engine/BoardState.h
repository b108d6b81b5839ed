// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Helpers shared by the engine tests.
#pragma once

#include "engine/Puzzle.h"

#include <QImage>
#include <tuple>
#include <vector>

inline QImage SolidPicture(int width, int height, QRgb color) {
    QImage picture(width, height, QImage::Format_RGB888);
    picture.fill(color);
    return picture;
}

// Every observable field of the cells in play, for before/after comparisons.
struct SlotState {
    int number, pieceColumn, pieceRow, slotColumn, slotRow;
    TRect dest, source;
    bool visible;
    friend bool operator==(const SlotState&, const SlotState&) = default;
};

struct BoardState {
    int blankColumn, blankRow, missingColumn, missingRow, columns, rows;
    std::vector<SlotState> cells;
    friend bool operator==(const BoardState&, const BoardState&) = default;
};

inline BoardState Capture(const TPuzzle& p) {
    BoardState s{p.GetBlankColumn(), p.GetBlankRow(), p.GetMissingColumn(), p.GetMissingRow(),
                 p.GetColumns(), p.GetRows(), {}};
    for (int r = 0; r < p.GetRows(); ++r)
        for (int c = 0; c < p.GetColumns(); ++c) {
            const TTombol& t = p.GetTile(r, c);
            s.cells.push_back({t.GetNumber(), t.GetPieceColumn(), t.GetPieceRow(), t.GetSlotColumn(),
                               t.GetSlotRow(), t.GetDestRect(), t.GetSourceRect(), t.GetVisible()});
        }
    return s;
}

inline int CountNumber(const TPuzzle& p, int number) {
    int n = 0;
    for (int r = 0; r < p.GetRows(); ++r)
        for (int c = 0; c < p.GetColumns(); ++c) n += p.GetTile(r, c).GetNumber() == number;
    return n;
}

inline std::tuple<int, int, int> Rgb(const QImage& image, int x, int y) {
    const uchar* p = image.constScanLine(y) + x * 3;
    return {p[0], p[1], p[2]};
}
