// Drawing the board through the two off-screen buffers.
#include "Main.h"

#include "BoardArea.h"

#include "platform/PixelMemory.h"
#include "platform/WinColor.h"

#include <QFrame>
#include <QPainter>
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
    const QSize size = Picture.isNull() ? QSize(workArea.width() - PanelToolbar->width() + 1, workArea.height())
                                        : Picture.size();
    if (Recreate(BackgroundBuffer, size)) BackgroundFilled.reset();
    Recreate(BackBuffer, size);
}

void TFormMain::RedrawBoard() {
    if (BackBuffer.isNull() || BackgroundBuffer.isNull()) return;
    const QRgb color = ToQRgb(BackgroundColor);
    // The empty board only changes with its colour; keep it when it is current.
    if (BackgroundFilled != color) {
        BackgroundBuffer.fill(color);
        BackgroundFilled = color;
    }
    // Only what no tile covers needs the colour; the tiles are drawn over the rest.
    QPainter canvas(&BackBuffer);
    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& uncovered : QRegion(BackBuffer.rect()) - TileArea())
        canvas.fillRect(uncovered, QColor::fromRgb(color));
    canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Puzzle->DrawTiles(canvas, Picture.isNull() ? nullptr : &Picture);
}

QRegion TFormMain::TileArea() const {
    if (Picture.isNull()) return QRegion();
    QRegion covered;
    for (int r = 0; r < Puzzle->GetRows(); ++r) {
        for (int c = 0; c < Puzzle->GetColumns(); ++c) {
            const TTombol& tile = Puzzle->GetTile(r, c);
            const TRect d = tile.GetDestRect(), s = tile.GetSourceRect();
            // Only a tile that fills its whole cell from inside the picture covers it.
            const QRect source(s.Left, s.Top, s.Width(), s.Height());
            if (tile.GetVisible() && d.Width() == s.Width() && d.Height() == s.Height() &&
                Picture.rect().contains(source))
                covered += QRect(d.Left, d.Top, d.Width(), d.Height());
        }
    }
    return covered;
}

QSize TFormMain::ShownBoardSize() const {
    return Picture.size();
}

void TFormMain::SetBackgroundColor(uint32_t color) {
    BackgroundColor = color; // FormPaint fills the window around the board with it
    RedrawBoard();
    Client->update();
}

void TFormMain::FormPaint(QPainter& canvas, const QRect& area) {
    const int offset = PanelToolbar->width();
    const QRect board(offset, 0, BackBuffer.width(), BackBuffer.height());
    if (!BackBuffer.isNull()) {
        const QRect shown = board & area;
        if (!shown.isEmpty()) canvas.drawImage(shown.topLeft(), BackBuffer, shown.translated(-offset, 0));
    }
    // Everything else right of the tool bar shows the background colour.
    const QRegion rest = QRegion(area) - (BackBuffer.isNull() ? QRegion() : QRegion(board));
    for (const QRect& r : rest) canvas.fillRect(r, ToQColor(BackgroundColor));
}

void TFormMain::FormResize() {
    if (isVisible() && Puzzle->GetColumns() != 0 && Puzzle->GetRows() != 0) Client->update();
}

void TFormMain::SetbackgroundcolorMenuClick() {
    if (const std::optional<uint32_t> color = Services.dialogs.ChooseColor(this, BackgroundColor))
        SetBackgroundColor(*color);
}
