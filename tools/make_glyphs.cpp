// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Writes the 20 x 20 tool-bar glyphs (glyph0.png ... glyph9.png), and the
// same drawings at 40 x 40 for screens at 200 % (glyph0@2x.png ...).
// Everything is drawn from shapes, never text, so no application object or font is needed.
// Deterministic: the same bytes on every build.
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace {

constexpr int GlyphSize = 20;

const QColor Ink(34, 30, 42);
const QColor Paper(250, 246, 232);
const QColor Sky(120, 190, 240);
const QColor Grass(70, 170, 70);
const QColor DarkGrass(40, 120, 50);
const QColor Sun(255, 214, 40);
const QColor FolderBack(214, 160, 40);
const QColor FolderFront(252, 206, 80);
const QColor Gold(240, 190, 40);
const QColor TileBlue(80, 130, 220);
const QColor TileGreen(80, 180, 90);
const QColor TileOrange(240, 150, 50);
const QColor TileRed(220, 70, 60);
const QColor ArrowGreen(40, 160, 60);
const QColor ArrowRed(210, 50, 40);

// Centre of pixel (x, y): 1 px outlines drawn through pixel centres stay crisp.
QPointF Px(double x, double y) { return {x + 0.5, y + 0.5}; }

// Outline rectangle covering the pixels [x, x + w) x [y, y + h).
QRectF Box(int x, int y, int w, int h) { return QRectF(Px(x, y), Px(x + w - 1, y + h - 1)); }

// 1 px dark outline with square corners around a solid fill.
void UseOutline(QPainter& p, const QColor& fill) {
    p.setPen(QPen(Ink, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
}

void FillPixels(QPainter& p, int x, int y, int w, int h, const QColor& color) { p.fillRect(x, y, w, h, color); }

QPolygonF Polygon(std::initializer_list<QPointF> points) { return QPolygonF(QList<QPointF>(points)); }

// Filled triangular arrow head whose tip sits at `tip`, pointing along `direction`.
void DrawArrowHead(QPainter& p, QPointF tip, QPointF direction, double length, double halfWidth, const QColor& fill) {
    const double norm = std::hypot(direction.x(), direction.y());
    const QPointF along = direction / norm, across(-along.y(), along.x());
    const QPointF base = tip - along * length;
    UseOutline(p, fill);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawPolygon(Polygon({tip, base + across * halfWidth, base - across * halfWidth}));
}

enum class Heading { Right = 0, Down = 1, Left = 2, Up = 3 };

// Pixel-exact outlined arrow whose tip is the pixel `tip`: a head `headRows` deep and a 1 px shaft.
void DrawPixelArrow(QPainter& p, QPoint tip, Heading heading, int headRows, int shaftLength, const QColor& fill) {
    QList<QRectF> cells; // drawn pointing right with the tip pixel centred on the origin
    for (int k = 0; k < headRows; ++k) cells.append(QRectF(-k - 0.5, -k - 0.5, 1, 2 * k + 1));
    cells.append(QRectF(-headRows - shaftLength + 0.5, -0.5, shaftLength, 1));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(Px(tip.x(), tip.y()));
    p.rotate(90 * int(heading));
    for (const QRectF& cell : cells) p.fillRect(cell.adjusted(-1, -1, 1, 1), Ink);
    for (const QRectF& cell : cells) p.fillRect(cell, fill);
    p.restore();
}

// A small bevelled puzzle tile: outline, light top-left edge, dark bottom-right edge.
void DrawTile(QPainter& p, int x, int y, int size, const QColor& color) {
    UseOutline(p, color);
    p.drawRect(Box(x, y, size, size));
    FillPixels(p, x + 1, y + 1, size - 2, 1, color.lighter(150));
    FillPixels(p, x + 1, y + 1, 1, size - 2, color.lighter(150));
    FillPixels(p, x + 2, y + size - 2, size - 3, 1, color.darker(140));
    FillPixels(p, x + size - 2, y + 2, 1, size - 3, color.darker(140));
}

// Digits for the numbered cells, 4 x 6 pixels, '#' = ink.
void DrawDigit(QPainter& p, int digit, int x, int y, const QColor& color) {
    static const char* const Shapes[][6] = {
        {".#..", "##..", ".#..", ".#..", ".#..", "###."},
        {".##.", "#..#", "...#", "..#.", ".#..", "####"},
        {"###.", "...#", ".##.", "...#", "...#", "###."},
    };
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 4; ++column)
            if (Shapes[digit - 1][row][column] == '#') FillPixels(p, x + column, y + row, 1, 1, color);
}

// Landscape scene (sky, sun, two hills) clipped to the given pixel rectangle.
void DrawLandscape(QPainter& p, const QRect& area) {
    p.save();
    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(area, Sky);
    const double w = area.width(), h = area.height(), x = area.x(), y = area.y();
    p.setPen(Qt::NoPen);
    p.setBrush(Sun);
    p.drawEllipse(QPointF(x + w * 0.75, y + h * 0.3), w * 0.13, w * 0.13);
    p.setBrush(DarkGrass);
    p.drawEllipse(QPointF(x + w * 0.8, y + h * 1.05), w * 0.55, h * 0.45);
    p.setBrush(Grass);
    p.drawEllipse(QPointF(x + w * 0.15, y + h * 1.1), w * 0.6, h * 0.5);
    p.restore();
}

// Open folder: back with tab, an inserted card drawn by `drawCard`, and the tilted front flap.
template <typename CardPainter> void DrawOpenFolder(QPainter& p, CardPainter drawCard) {
    UseOutline(p, FolderBack);
    p.drawPolygon(Polygon({Px(1, 4), Px(2, 3), Px(6, 3), Px(7, 5), Px(16, 5), Px(16, 18), Px(1, 18)}));
    drawCard();
    p.setRenderHint(QPainter::Antialiasing, true);
    UseOutline(p, FolderFront);
    p.drawPolygon(Polygon({Px(4, 10), Px(19, 10), Px(16, 18), Px(1, 18)}));
    p.setRenderHint(QPainter::Antialiasing, false);
}

// 0: New game - a 2x2 tile block with one tile flung out along a curved arrow.
void DrawNewGame(QPainter& p) {
    DrawTile(p, 1, 7, 7, TileBlue);
    DrawTile(p, 1, 13, 7, TileGreen);
    DrawTile(p, 7, 13, 7, TileOrange);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRect(Box(7, 7, 7, 7));
    DrawTile(p, 13, 1, 7, TileRed);

    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath arc(QPointF(3.5, 6.5));
    arc.quadTo(QPointF(3.5, 3.5), QPointF(8.5, 3.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink, 3.6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(QPen(ArrowGreen, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    DrawArrowHead(p, QPointF(12.5, 3.5), QPointF(1, 0), 4.5, 3, ArrowGreen);
}

// 1: Numeric puzzle - a 2x2 grid holding 1, 2, 3 and the empty cell.
void DrawNumericPuzzle(QPainter& p) {
    UseOutline(p, Paper);
    p.drawRect(Box(1, 1, 19, 19));
    FillPixels(p, 11, 11, 8, 8, QColor(150, 150, 150));
    p.setPen(Ink);
    p.drawLine(Px(10, 1), Px(10, 19));
    p.drawLine(Px(1, 10), Px(19, 10));
    const QColor Number(30, 60, 160);
    DrawDigit(p, 1, 4, 3, Number);
    DrawDigit(p, 2, 13, 3, Number);
    DrawDigit(p, 3, 4, 12, Number);
}

// 2: Open image - an open folder with a landscape picture sticking out.
void DrawOpenImage(QPainter& p) {
    DrawOpenFolder(p, [&p] {
        UseOutline(p, Qt::white);
        p.drawRect(Box(4, 1, 13, 11));
        DrawLandscape(p, QRect(5, 2, 11, 9));
    });
}

// 3: Load game - an open folder holding a puzzle board, with an arrow leaving it.
void DrawLoadGame(QPainter& p) {
    DrawOpenFolder(p, [&p] {
        DrawTile(p, 3, 2, 5, TileBlue);
        DrawTile(p, 7, 2, 5, TileOrange);
        DrawTile(p, 3, 6, 5, TileGreen);
        DrawTile(p, 7, 6, 5, TileRed);
    });
    DrawPixelArrow(p, QPoint(15, 1), Heading::Up, 4, 5, ArrowGreen);
}

// 4: Save game - a floppy disk with metal shutter and label.
void DrawSaveGame(QPainter& p) {
    UseOutline(p, QColor(50, 80, 160));
    p.drawPolygon(Polygon({Px(1, 1), Px(16, 1), Px(18, 3), Px(18, 18), Px(1, 18)}));
    UseOutline(p, QColor(200, 205, 215));
    p.drawRect(Box(5, 1, 10, 7));
    FillPixels(p, 11, 3, 2, 3, QColor(50, 80, 160));
    UseOutline(p, Paper);
    p.drawRect(Box(4, 10, 12, 9));
    FillPixels(p, 6, 12, 8, 1, QColor(210, 60, 60));
    FillPixels(p, 6, 14, 8, 1, QColor(150, 160, 190));
    FillPixels(p, 6, 16, 8, 1, QColor(150, 160, 190));
}

// 5: Best times - a gold trophy cup on a dark plinth.
void DrawBestTimes(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF leftHandle(1.5, 2.5, 6, 6), rightHandle(12.5, 2.5, 6, 6);
    p.setBrush(Qt::NoBrush);
    for (const QPen& pen : {QPen(Ink, 3.2, Qt::SolidLine, Qt::FlatCap), QPen(Gold, 1.3, Qt::SolidLine, Qt::FlatCap)}) {
        p.setPen(pen);
        p.drawArc(leftHandle, 90 * 16, 180 * 16);
        p.drawArc(rightHandle, -90 * 16, 180 * 16);
    }

    QPainterPath bowl(Px(4, 1));
    bowl.lineTo(Px(15, 1));
    bowl.cubicTo(Px(15, 8), Px(13, 11), Px(10.5, 12));
    bowl.lineTo(Px(8.5, 12));
    bowl.cubicTo(Px(6, 11), Px(4, 8), Px(4, 1));
    UseOutline(p, Gold);
    p.drawPath(bowl);
    p.setPen(QPen(QColor(255, 245, 190), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 3), QPointF(7.5, 7.5));
    p.setRenderHint(QPainter::Antialiasing, false);

    UseOutline(p, Gold.darker(115));
    p.drawRect(Box(8, 12, 4, 3));
    UseOutline(p, Gold);
    p.drawRect(Box(6, 14, 8, 2));
    UseOutline(p, QColor(110, 70, 40));
    p.drawRect(Box(4, 16, 12, 3));
}

// 6: Custom pieces - a 3x3 grid with arrows stretching it right and down.
void DrawCustomPieces(QPainter& p) {
    UseOutline(p, QColor(235, 230, 200));
    p.drawRect(Box(1, 1, 13, 13));
    p.setPen(Ink);
    for (int line = 5; line <= 9; line += 4) {
        p.drawLine(Px(line, 1), Px(line, 13));
        p.drawLine(Px(1, line), Px(13, line));
    }
    DrawPixelArrow(p, QPoint(18, 7), Heading::Right, 4, 1, ArrowRed);
    DrawPixelArrow(p, QPoint(7, 18), Heading::Down, 4, 1, ArrowRed);
}

// 7: Show thumbnail - a landscape in a golden frame.
void DrawShowThumbnail(QPainter& p) {
    UseOutline(p, QColor(200, 140, 60));
    p.drawRect(Box(0, 3, 20, 15));
    FillPixels(p, 1, 4, 18, 1, QColor(235, 185, 100));
    FillPixels(p, 1, 4, 1, 13, QColor(235, 185, 100));
    UseOutline(p, Sky);
    p.drawRect(Box(2, 5, 16, 11));
    DrawLandscape(p, QRect(3, 6, 14, 9));
}

// 8: Set music - two beamed eighth notes.
void DrawSetMusic(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor NoteColor(40, 50, 120);
    p.setPen(Qt::NoPen);
    p.setBrush(NoteColor);
    p.drawPolygon(Polygon({QPointF(6, 3), QPointF(18, 1), QPointF(18, 4), QPointF(6, 6)}));
    p.fillRect(QRect(6, 4, 2, 11), NoteColor);
    p.fillRect(QRect(16, 2, 2, 11), NoteColor);
    for (const QPointF centre : {QPointF(4.4, 15.6), QPointF(14.8, 13.6)}) {
        p.save();
        p.translate(centre);
        p.rotate(-25);
        p.drawEllipse(QPointF(0, 0), 3.3, 2.4);
        p.restore();
    }
}

// 9: Set background color - a painter's palette with colour dots.
void DrawSetBackgroundColor(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath board;
    board.addEllipse(QRectF(1, 2.5, 18, 15));
    QPainterPath notch;
    notch.addEllipse(QPointF(16, 15.5), 3.5, 2.6);
    QPainterPath thumbHole;
    thumbHole.addEllipse(QPointF(6, 12.5), 1.8, 1.6);
    UseOutline(p, QColor(230, 190, 120));
    p.drawPath(board.subtracted(notch).subtracted(thumbHole));

    const QColor dots[] = {TileRed, Sun, TileGreen, TileBlue};
    const QPointF places[] = {{5.5, 7.5}, {9.5, 5.5}, {13.8, 6.5}, {11, 11}};
    p.setPen(QPen(Ink, 0.8));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(places[i], 1.9, 1.9);
    }
}

// A light rim `width` pixels wide around the drawing, beneath it: unseen on
// a light tool bar, it keeps dark strokes readable on a dark one.
QImage WithHalo(const QImage& drawing, int width) {
    QImage halo(drawing.size(), QImage::Format_ARGB32_Premultiplied);
    halo.fill(Qt::transparent);
    const QColor rim(Paper.red(), Paper.green(), Paper.blue(), 190);
    for (int y = 0; y < drawing.height(); ++y)
        for (int x = 0; x < drawing.width(); ++x) {
            bool near = false;
            for (int dy = -width; dy <= width && !near; ++dy)
                for (int dx = -width; dx <= width && !near; ++dx)
                    near = drawing.rect().contains(x + dx, y + dy) && qAlpha(drawing.pixel(x + dx, y + dy)) >= 128;
            if (near) halo.setPixelColor(x, y, rim);
        }
    QPainter painter(&halo);
    painter.drawImage(0, 0, drawing);
    return halo;
}

bool WriteImage(int size, int scale, void (*draw)(QPainter&), const QString& path) {
    QImage image(size * scale, size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        draw(painter);
    }
    return WithHalo(image, scale).convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_glyphs OUTDIR\n");
        return 2;
    }
    using Painter = void (*)(QPainter&);
    const Painter glyphs[] = {DrawNewGame,  DrawNumericPuzzle,     DrawOpenImage,    DrawLoadGame,
                              DrawSaveGame, DrawBestTimes,         DrawCustomPieces, DrawShowThumbnail,
                              DrawSetMusic, DrawSetBackgroundColor};
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    struct Output {
        QString name;
        int scale;
        Painter draw;
    };
    QList<Output> outputs;
    for (int i = 0; i < 10; ++i) {
        outputs.append({QString("glyph%1.png").arg(i), 1, glyphs[i]});
        outputs.append({QString("glyph%1@2x.png").arg(i), 2, glyphs[i]});
    }

    for (const Output& output : outputs) {
        const QString path = outDir + QLatin1Char('/') + output.name;
        if (!WriteImage(GlyphSize, output.scale, output.draw, path)) {
            std::fprintf(stderr, "make_glyphs: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
