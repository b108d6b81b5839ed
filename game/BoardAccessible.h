// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The board as the keyboard and assistive technologies reach it: a widget
// over the board's part of the client area that draws nothing and lets
// presses through to the client area, holds the board's keyboard focus, and
// is seen by a screen reader as a table of the board's slots in row order.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QAccessibleEvent;
class TFormMain;

class BoardCells : public QWidget {
    Q_OBJECT
public:
    BoardCells(TFormMain& form, QWidget* parent);

    int Rows() const;
    int Columns() const;
    // "Board, 4 x 4, Advanced": the grid and the level in words.
    QString TableName() const;
    // What a slot shows: "7", "piece from row 2, column 3", "empty",
    // "stone"; with ", in place" when the piece is home.
    QString CellName(int row, int column) const;
    // A slot's place in the client area, in logical pixels.
    QRect CellRect(int row, int column) const;
    // The slot with the keyboard's attention.
    QPoint Cursor() const;
    // What was last told of the board: "7 moved left".
    QString LastAnnouncement() const { return Announcement; }

    // Puts the keyboard cursor on a slot and, when `press`, slides its tile.
    void Choose(int row, int column, bool press);

    // The slots from `first` to `last` (column, row) changed in a slide of
    // the tiles named; they moved toward the blank by (dColumn, dRow).
    void TellSlide(QPoint first, QPoint last, const QStringList& tiles, QPoint direction);
    // The whole board changed (a new board, the end of Solve), with what to
    // say; without a text, what was said of the board before is forgotten.
    void TellBoardChanged(const QString& announcement);
    // The keyboard cursor moved: its slot is the focused cell.
    void TellCursor();

    // Says the text at once, and keeps it as the board's description.
    void Announce(const QString& text);

    // The name a slide's tile goes by in an announcement: the cell's name
    // without where it is.
    QString TileName(int row, int column) const;

    // Hears every event the board sends, as an assistive technology would
    // (the tests' ear: without a screen reader Qt passes no event on).
    static inline void (*Overheard)(QAccessibleEvent* event) = nullptr;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    static bool Listened();
    static void Send(QAccessibleEvent& event);
    TFormMain& Form;
    QString Announcement;
};

// Assistive technologies see every BoardCells as a table; installed once.
void InstallBoardAccessibility();
