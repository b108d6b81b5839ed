// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Drawing the board through the off-screen back buffer.
#include "Main.h"

#include "BoardAccessible.h"
#include "BoardArea.h"

#include "engine/TileBlit.h"
#include "pictures/Numeric.h"
#include "platform/PixelMemory.h"
#include "platform/WinColor.h"

#include <QApplication>
#include <QFrame>
#include <QPainterPath>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>

namespace {

// A buffer of the size asked for, reusing the old one when it already fits.
// Returns whether a new one was made.
bool Recreate(QImage& buffer, QSize size) {
    if (!buffer.isNull() && buffer.size() == size) return false;
    buffer = QImage();
    buffer = NewImage(size.width(), size.height(), QImage::Format_RGB32);
    return true;
}

} // namespace

void TFormMain::CreateBuffers() {
    const QRect workArea = Services.screen.WorkArea();
    const QSize size =
        Picture.isNull()
            ? View.ToDevice(QRect(0, 0, workArea.width() - PanelToolbar->width() + 1, workArea.height())).size()
            : BoardBufferSize();
    Recreate(BackBuffer, size);
}

void TFormMain::RedrawBoard() {
    if (BackBuffer.isNull()) return;
    const QRgb color = ToQRgb(BackgroundColor);
    // Only what no tile covers needs the colour; the tiles are drawn over the rest.
    QPainter canvas(&BackBuffer);
    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& uncovered : QRegion(BackBuffer.rect()) - TileArea())
        canvas.fillRect(uncovered, QColor::fromRgb(color));
    canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Puzzle->DrawTiles(canvas, ViewPicture(), View.scale);
}

const QImage* TFormMain::ViewPicture() const { return Picture.isNull() ? nullptr : &Picture; }

// The one place that decides the shown scale: the buffers, the held
// pictures, painting and presses all follow View. The window is sized in
// logical pixels; the board is drawn in the screen's device pixels.
BoardView TFormMain::FitView(QSize picture) const {
    const double ratio = Services.screen.DevicePixelRatio();
    return {ViewScale::AtMost(FitLogical(picture) * ratio), ratio, QPoint(PanelToolbar->width(), 0)};
}

double TFormMain::FitLogical(QSize picture) const {
    if (!PictureScalable || picture.isEmpty()) return 1;
    // The window's frame is known once it is on the screen; before, allow
    // for a generous one (a title bar and borders, drawn by the window
    // manager or, under Wayland, by the program itself).
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.width() <= 0 && frame.height() <= 0) frame = QSize(12, 48);
    const QRect work = Services.screen.WorkArea();
    const int width = work.width() - frame.width() - PanelToolbar->width();
    const int height = work.height() - frame.height() - menuBar()->sizeHint().height() - StatusBar->height();
    if (picture.width() <= width && picture.height() <= height) return 1;
    const double fit = std::min(double(width) / picture.width(), double(height) / picture.height());
    // Never so small that a tile would vanish.
    const double least =
        std::max(double(Puzzle->GetColumns()) / picture.width(), double(Puzzle->GetRows()) / picture.height());
    return std::clamp(fit, std::min(least, 1.0), 1.0);
}

void TFormMain::DrawPictureBevels() {
    if (View.IsIdentity())
        Puzzle->DrawBevels(Picture);
    else
        Puzzle->DrawBevels(Picture, View.scale);
    DrawPieceNumbers();
}

// White figures in a dark outline, readable on any photo, at the top left
// of each piece's own place in the picture: they move with the piece.
void TFormMain::DrawPieceNumbers() {
    const int columns = Puzzle->GetColumns(), rows = Puzzle->GetRows();
    if (!ShowNumbers || !PictureScalable || Picture.isNull() || columns == 0 || rows == 0) return;
    const int width = PictureWidth / columns, height = PictureHeight / rows;
    QFont font = QApplication::font();
    const int size = std::clamp(View.Map(std::min(width, height)) / 5, 9, 28);
    font.setPixelSize(size);
    font.setBold(true);
    const int inset = std::max(4, size / 3);
    QPainter canvas(&Picture);
    canvas.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (Puzzle->GetTile(r, c).GetNumber() == -1) continue; // a stone is no piece
            const QRect piece = View.Map(TRect{c * width, r * height, (c + 1) * width, (r + 1) * height});
            QPainterPath figures;
            figures.addText(piece.left() + inset, piece.top() + inset + metrics.ascent(), font,
                            QString::number(r * columns + c + 1));
            canvas.strokePath(figures, QPen(Qt::black, std::max(2.0, size / 5.0), Qt::SolidLine, Qt::RoundCap,
                                            Qt::RoundJoin));
            canvas.fillPath(figures, Qt::white);
        }
    }
}

void TFormMain::ShownumbersMenuClick() {
    ShowNumbers = ShownumbersMenu->isChecked();
    if (!PictureScalable || OrgPicture.isNull()) return;
    Picture = CopyImage(OrgPicture);
    if (View.IsIdentity()) Picture.convertTo(QImage::Format_RGB888);
    DrawPictureBevels();
    RedrawBoard();
    Client->update();
    Cells->TellBoardChanged({});
}

QRegion TFormMain::TileArea() const {
    const QImage* picture = ViewPicture();
    if (!picture) return QRegion();
    QRegion covered;
    for (int r = 0; r < Puzzle->GetRows(); ++r) {
        for (int c = 0; c < Puzzle->GetColumns(); ++c) {
            const TTombol& tile = Puzzle->GetTile(r, c);
            const QRect dest = View.Map(tile.GetDestRect()), source = View.Map(tile.GetSourceRect());
            // Only a tile that fills its whole cell from inside the picture covers it.
            if (tile.GetVisible() && dest.size() == source.size() && picture->rect().contains(source)) covered += dest;
        }
    }
    return covered;
}

QSize TFormMain::BoardBufferSize() const {
    return Picture.isNull() ? QSize(0, 0) : View.Map(QSize(PictureWidth, PictureHeight));
}

QSize TFormMain::ShownBoardSize() const { return View.ToLogical(QRect(QPoint(), BoardBufferSize())).size(); }

// ------------------------------------------------------------ a window the player sizes

BoardView TFormMain::ViewFor(QSize client) const {
    const QSize picture(PictureWidth, PictureHeight);
    const bool sizedByGame =
        client == DesignedClient && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    if (Picture.isNull() || picture.isEmpty() || sizedByGame) return FitView(picture);
    // Never so small that a tile would vanish.
    const double least =
        std::max(double(Puzzle->GetColumns()) / picture.width(), double(Puzzle->GetRows()) / picture.height());
    const QRect area(PanelToolbar->width(), 0, client.width() - PanelToolbar->width(), client.height());
    return BoardView::Fit(picture, area, Services.screen.DevicePixelRatio(), least);
}

// While the player drags, each frame stretches the board held; once the
// window keeps its size a moment, the board is drawn again at it.
void TFormMain::FollowWindow() {
    const BoardView target = ViewFor(Client->size());
    if (target.scale == View.scale && target.ratio == View.ratio) {
        Stretched.reset();
        SettleTimer->stop();
        View.origin = target.origin;
    } else {
        Stretched = target;
        SettleTimer->start();
    }
    Client->update();
}

void TFormMain::SettleView() {
    if (Stretched) Rescale();
}

void TFormMain::Rescale() {
    SettleTimer->stop();
    Stretched.reset();
    const BoardView target = ViewFor(Client->size());
    const bool sameScale = target.scale == View.scale && target.ratio == View.ratio;
    View = target;
    if (!sameScale && !Picture.isNull()) DrawPictureAgain();
    Client->update();
}

// The held picture at the view's scale, its stones and edges drawn again;
// the tiles stay where they are.
void TFormMain::DrawPictureAgain() {
    const QSize held = View.Map(QSize(PictureWidth, PictureHeight));
    if (!PictureScalable) {
        Picture = CleanNumericPicture();
        OrgPicture = OrgWindow ? CopyImage(Picture) : QImage();
    } else {
        const QImage source = Kept.image.isNull() ? OrgPicture : Kept.image;
        OrgPicture = source.size() == held ? source
                                           : source.scaled(held, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                                 .convertToFormat(QImage::Format_RGB888);
        Picture = CopyImage(OrgPicture);
        // A copy held smaller than it is now shown comes again from the file.
        if (PictureName && (source.width() < std::min(held.width(), ReadSize.width()) ||
                            source.height() < std::min(held.height(), ReadSize.height())))
            DecodeAgain(*PictureName, held);
    }
    if (Picture.isNull() || (PictureScalable && OrgPicture.isNull())) return;
    DrawPictureBevels();
    CreateBuffers();
    RedrawBoard();
}

// Off the user-interface thread; the result is taken only while the same
// file is shown at the same size.
void TFormMain::DecodeAgain(const QString& path, QSize held) {
    Redecode.Start([path, held](std::stop_token) { return ReadPictureFile(path, [held](QSize) { return held; }); },
                   [this, path, held](const PictureResult& read) {
                       if (read.problem != PictureProblem::None || read.image.size() != held) return;
                       if (PictureName != path || Picture.isNull() || read.size != ReadSize) return;
                       Kept.image = read.image;
                       if (View.Map(QSize(PictureWidth, PictureHeight)) != held) return;
                       DrawPictureAgain();
                       Client->update();
                   });
}

void TFormMain::SetBackgroundColor(uint32_t color) {
    BackgroundColor = color; // FormPaint fills the window around the board with it
    RedrawBoard();
    Client->update();
}

void TFormMain::FormPaint(QPainter& canvas, const QRect& area) {
    if (Stretched && !BackBuffer.isNull()) return PaintStretched(canvas, area);
    const QRect board = View.InClient(BackBuffer.rect());
    if (!BackBuffer.isNull()) {
        // Whole device pixels of the buffer, copied 1:1 to the screen's.
        const QRect device = View.ToDevice((board & area).translated(-View.origin)) & BackBuffer.rect();
        const QRectF target(QPointF(device.topLeft()) / View.ratio + QPointF(View.origin),
                            QSizeF(device.size()) / View.ratio);
        if (!device.isEmpty()) canvas.drawImage(target, BackBuffer, device);
    }
    // Everything else right of the tool bar shows the background colour.
    const QRegion rest = QRegion(area) - (BackBuffer.isNull() ? QRegion() : QRegion(board));
    for (const QRect& r : rest) canvas.fillRect(r, ToQColor(BackgroundColor));
    PaintKeyCursor(canvas, area);
}

// What is held, stretched to where the board goes: no decoding, no drawing
// of tiles, so that each frame of a live resize is quick.
void TFormMain::PaintStretched(QPainter& canvas, const QRect& area) {
    const QRect board(Stretched->origin, Stretched->ShownSize(QSize(PictureWidth, PictureHeight)));
    if (area.intersects(board)) canvas.drawImage(board, BackBuffer);
    for (const QRect& r : QRegion(area) - QRegion(board)) canvas.fillRect(r, ToQColor(BackgroundColor));
}

void TFormMain::FormResize() {
    PanelToolbar->setFixedHeight(Client->height()); // the tool bar's panel reaches down to the status bar
    if (Cells) Cells->setGeometry(PanelToolbar->width(), 0, std::max(0, Client->width() - PanelToolbar->width()),
                       Client->height());
    if (isVisible() && Puzzle->GetColumns() != 0 && Puzzle->GetRows() != 0) FollowWindow();
}

void TFormMain::SetbackgroundcolorMenuClick() {
    if (const std::optional<uint32_t> color = Services.dialogs.ChooseColor(this, BackgroundColor))
        SetBackgroundColor(*color);
}
