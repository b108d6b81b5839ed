// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Pieces.h"

#include "platform/GrowToFit.h"

#include <QFrame>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

QImage DrawGridPreview(const QImage* picture, QSize size, int columns, int rows) {
    const int w = size.width(), h = size.height();
    QImage preview(size, QImage::Format_RGB32);
    preview.fill(Qt::white);
    QPainter canvas(&preview);
    canvas.setPen(QPen(Qt::black, 0));
    if (picture && !picture->isNull())
        canvas.drawImage(preview.rect(), *picture);
    else
        canvas.drawRect(0, 0, w - 1, h - 1); // the frame on the area's outer pixels
    const int cellWidth = w / std::max(columns, 1), cellHeight = h / std::max(rows, 1);
    // Lines end one pixel short of their end point, as the frame does.
    for (int i = 1; i < rows; ++i) canvas.drawLine(0, i * cellHeight, w - 1, i * cellHeight);
    for (int j = 0; j < columns; ++j) canvas.drawLine(j * cellWidth, 0, j * cellWidth, h - 1);
    return preview;
}

// ------------------------------------------------------------ TUpDownEdit

TUpDownEdit::TUpDownEdit(QWidget* owner) : QSpinBox(owner) {
    setRange(3, 20);
    setSingleStep(1);
    setWrapping(false);
    lineEdit()->setReadOnly(true);
}

void TUpDownEdit::keyPressEvent(QKeyEvent* event) {
    // Only the arrow keys step the number, one at a time.
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) return event->ignore();
    QSpinBox::keyPressEvent(event);
}

void TUpDownEdit::wheelEvent(QWheelEvent* event) {
    // A notch is one step, also with Ctrl, which would make it ten.
    QWheelEvent plain(event->position(), event->globalPosition(), event->pixelDelta(), event->angleDelta(),
                      event->buttons(), event->modifiers() & ~Qt::ControlModifier, event->phase(), event->inverted(),
                      event->source(), event->pointingDevice());
    QSpinBox::wheelEvent(&plain);
    event->setAccepted(plain.isAccepted());
}

// ------------------------------------------------------------ TFormPieces

TFormPieces::TFormPieces(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("FormPieces"));
    setWindowTitle(tr("Custom Pieces"));
    setFixedSize(353, 244);

    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken); // a raised inner and a lowered outer bevel
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);
    Panel1->setGeometry(8, 16, 329, 185);
    ImagePreview = new QLabel(Panel1);
    ImagePreview->setGeometry(16, 16, 169, 153);

    auto label = [this](const QString& caption, int y) {
        auto* l = new QLabel(caption, Panel1);
        l->setGeometry(200, y, 113, 16);
        return l;
    };
    auto edit = [this](int y) {
        auto* e = new TUpDownEdit(Panel1);
        e->setGeometry(200, y, 65, 24);
        connect(e, &QSpinBox::valueChanged, this, &TFormPieces::UpDownRowClick);
        return e;
    };
    Label1 = label(tr("Number of row:"), 32);
    EditRow = edit(52);
    Label2 = label(tr("Number of column"), 96);
    EditCol = edit(116);
    Label1->setBuddy(EditRow);
    Label2->setBuddy(EditCol);

    BitBtn1 = new QPushButton(tr("OK"), this);
    BitBtn1->setGeometry(176, 210, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(tr("Cancel"), this);
    BitBtn2->setGeometry(262, 210, 75, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    GrowToFit(*this);
}

void TFormPieces::SetGrid(const QImage* picture, int columns, int rows) {
    Picture = picture;
    ColCount = columns;
    RowCount = rows;
}

void TFormPieces::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFormPieces::FormShow() {
    const QSignalBlocker rowsQuiet(EditRow), columnsQuiet(EditCol);
    EditRow->setValue(RowCount);
    EditCol->setValue(ColCount);
    UpDownRowClick();
}

void TFormPieces::UpDownRowClick() {
    ImagePreview->setPixmap(
        QPixmap::fromImage(DrawGridPreview(Picture, ImagePreview->size(), EditCol->value(), EditRow->value())));
}
