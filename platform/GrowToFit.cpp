// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "GrowToFit.h"

#include "ElidedLabel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <map>
#include <vector>

QSize RoomForText(const QWidget& widget) {
    const QFontMetrics metrics = widget.fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (dynamic_cast<const ElidedLabel*>(label) || label->text().isEmpty() || label->wordWrap()) return {};
        return label->sizeHint();
    }
    if (qobject_cast<const QCheckBox*>(&widget)) return widget.sizeHint();
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        if (button->text().isEmpty()) return {};
        // The text and icon with the style's margins, without the least
        // width the style gives every push button with a text.
        QSize content = metrics.size(Qt::TextShowMnemonic, button->text());
        QStyleOptionButton option;
        option.initFrom(button);
        if (!button->icon().isNull()) {
            option.icon = button->icon();
            option.iconSize = button->iconSize();
            content.rwidth() += button->iconSize().width() + 4;
            content.setHeight(std::max(content.height(), button->iconSize().height()));
        }
        if (button->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
        if (button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        return button->style()->sizeFromContents(QStyle::CT_PushButton, &option, content, button);
    }
    return {};
}

namespace {

// How far a widget's right and bottom edges must move for its text, or for
// the children it holds.
QSize Shortfall(const QWidget& widget) {
    const QSize room = RoomForText(widget);
    return {std::max(0, room.width() - widget.width()), std::max(0, room.height() - widget.height())};
}

// Grows the direct children of `parent` as they need, in place; returns how
// much `parent` itself must grow to keep its margins around them.
QSize GrowChildren(QWidget& parent) {
    std::vector<QWidget*> children;
    for (QObject* object : parent.children())
        if (auto* child = qobject_cast<QWidget*>(object); child && !child->isWindow()) children.push_back(child);
    int oldRight = 0, oldBottom = 0;
    std::map<QWidget*, QRect> designed;
    std::map<QWidget*, QSize> need;
    for (QWidget* child : children) {
        // A widget only moved takes its size hint when first shown: it is measured at that size.
        if (!child->testAttribute(Qt::WA_Resized) && !RoomForText(*child).isEmpty()) child->adjustSize();
        designed[child] = child->geometry();
        oldRight = std::max(oldRight, child->geometry().right());
        oldBottom = std::max(oldBottom, child->geometry().bottom());
        // A frame or group grows for what it holds, a text widget for its text.
        const QSize inner = GrowChildren(*child);
        need[child] = Shortfall(*child).expandedTo(inner);
    }
    // A column (the same left edge and width) widens together, a row (the
    // same top and height) heightens together.
    std::map<std::pair<int, int>, int> columns, rows;
    for (QWidget* child : children) {
        const QRect g = designed[child];
        int& column = columns[{g.x(), g.width()}];
        column = std::max(column, need[child].width());
        int& row = rows[{g.y(), g.height()}];
        row = std::max(row, need[child].height());
    }
    for (QWidget* child : children) {
        const QRect g = designed[child];
        int dx = 0, dy = 0;
        // Everything right of a widened column, and below a heightened row, moves on.
        for (const auto& [column, grow] : columns)
            if (grow > 0 && g.x() >= column.first + column.second) dx += grow;
        for (const auto& [row, grow] : rows)
            if (grow > 0 && g.y() >= row.first + row.second) dy += grow;
        child->setGeometry(g.x() + dx, g.y() + dy, g.width() + columns[{g.x(), g.width()}],
                           g.height() + rows[{g.y(), g.height()}]);
    }
    int newRight = 0, newBottom = 0;
    for (QWidget* child : children) {
        newRight = std::max(newRight, child->geometry().right());
        newBottom = std::max(newBottom, child->geometry().bottom());
    }
    return {std::max(0, newRight - oldRight), std::max(0, newBottom - oldBottom)};
}

} // namespace

void GrowToFit(QWidget& window) {
    const QSize grow = GrowChildren(window);
    if (grow.isNull()) return;
    const bool fixed = window.minimumSize() == window.maximumSize();
    const QSize size = window.size() + grow;
    if (fixed) window.setFixedSize(size);
    else window.resize(size);
}
