// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "BoardArea.h"

#include "Main.h"
#include "Startup.h"

#include <QMouseEvent>
#include <QPainter>

BoardArea::BoardArea(TFormMain& form, QWidget* parent) : QWidget(parent), Form(form) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize BoardArea::sizeHint() const { return Form.DesignedClient; }

void BoardArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    Form.FormPaint(painter, event->rect());
    Form.Startup->Painted();
}

void BoardArea::resizeEvent(QResizeEvent*) {
    Form.FormResize();
}

void BoardArea::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Form.FormMouseDown(event->button(), event->modifiers(), at.x(), at.y());
}
