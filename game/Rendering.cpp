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
void Recreate(QImage& buffer, QSize size) {
    if (!buffer.isNull() && buffer.size() == size) return;
    buffer = QImage();
    buffer = NewImage(size.width(), size.height(), QImage::Format_RGB32);
}

} // namespace

void TFormMain::CreateBuffers() {
    const QRect workArea = Services.screen.WorkArea();
    const QSize size = Picture.isNull() ? QSize(workArea.width() - PanelToolbar->width() + 1, workArea.height())
                                        : Picture.size();
    Recreate(BackgroundBuffer, size);
    Recreate(BackBuffer, size);
    BackgroundFilled.reset();
}

void TFormMain::RedrawBoard() {
    if (BackBuffer.isNull() || BackgroundBuffer.isNull()) return;
    const QRgb color = ToQRgb(BackgroundColor);
    // The empty board only changes with its colour; keep it when it is current.
    if (BackgroundFilled != color) {
        BackgroundBuffer.fill(color);
        BackgroundFilled = color;
    }
    BackBuffer.fill(color);
    QPainter canvas(&BackBuffer);
    Puzzle->DrawTiles(canvas, Picture.isNull() ? nullptr : &Picture);
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
