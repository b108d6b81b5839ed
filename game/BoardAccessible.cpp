// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "BoardAccessible.h"

#include "Main.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QHash>

// ------------------------------------------------------------ the widget

BoardCells::BoardCells(TFormMain& form, QWidget* parent) : QWidget(parent), Form(form) {
    setObjectName(QStringLiteral("Board"));
    setAttribute(Qt::WA_TransparentForMouseEvents); // presses go to the client area beneath
    setFocusPolicy(Qt::StrongFocus);
}

int BoardCells::Rows() const { return Form.Picture.isNull() ? 0 : Form.Puzzle->GetRows(); }

int BoardCells::Columns() const { return Form.Picture.isNull() ? 0 : Form.Puzzle->GetColumns(); }

QString BoardCells::TableName() const {
    if (Form.Picture.isNull()) return TFormMain::tr("Board, no picture open");
    const QAction* levels[] = {Form.BeginnerMenu, Form.IntermediateMenu, Form.AdvancedMenu};
    const QString level = QString(levels[std::clamp(Form.Level, 1, 3) - 1]->text()).remove(QLatin1Char('&'));
    //: What a screen reader says of the board: its rows, its columns and the level
    return TFormMain::tr("Board, %1 x %2, %3").arg(Rows()).arg(Columns()).arg(level);
}

QString BoardCells::TileName(int row, int column) const {
    const int number = Form.Puzzle->GetTile(row, column).GetNumber();
    if (number == 0) return TFormMain::tr("empty");
    if (number < 0) return TFormMain::tr("stone");
    if (!Form.PictureScalable) return QString::number(number);
    const int columns = Form.Puzzle->GetColumns();
    const int home = number - 1;
    if (Form.ShowNumbers)
        return TFormMain::tr("piece %1, from row %2, column %3").arg(number).arg(home / columns + 1).arg(home % columns + 1);
    return TFormMain::tr("piece from row %1, column %2").arg(home / columns + 1).arg(home % columns + 1);
}

QString BoardCells::CellName(int row, int column) const {
    const QString name = TileName(row, column);
    const int number = Form.Puzzle->GetTile(row, column).GetNumber();
    //: A board's piece that stands in its own slot, as a screen reader says it: "7, in place"
    if (number > 0 && number == row * Form.Puzzle->GetColumns() + column + 1) return TFormMain::tr("%1, in place").arg(name);
    return name;
}

QRect BoardCells::CellRect(int row, int column) const {
    return Form.View.InClient(Form.View.Map(Form.Puzzle->GetTile(row, column).GetDestRect()));
}

QPoint BoardCells::Cursor() const { return Form.KeyCursor; }

void BoardCells::Choose(int row, int column, bool press) {
    Form.PlaceKeyCursor(column, row);
    if (press) Form.PressKeyCursor();
}

bool BoardCells::Listened() { return QAccessible::isActive() || Overheard; }

void BoardCells::Send(QAccessibleEvent& event) {
    if (Overheard) Overheard(&event);
    QAccessible::updateAccessibility(&event);
}

void BoardCells::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    TellCursor();
}

void BoardCells::TellCursor() {
    if (!Listened() || !hasFocus() || Rows() == 0) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(Cursor().y() * Columns() + Cursor().x());
    Send(focus);
}

void BoardCells::Announce(const QString& text) {
    Announcement = text;
    if (!Listened()) return;
    QAccessibleEvent description(this, QAccessible::DescriptionChanged);
    Send(description);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(this, text);
    Send(announcement);
#endif
}

void BoardCells::TellSlide(QPoint first, QPoint last, const QStringList& tiles, QPoint direction) {
    const QString names = tiles.join(QLatin1String(", "));
    const QString text = direction.x() < 0   ? TFormMain::tr("%1 moved left").arg(names)
                         : direction.x() > 0 ? TFormMain::tr("%1 moved right").arg(names)
                         : direction.y() < 0 ? TFormMain::tr("%1 moved up").arg(names)
                                             : TFormMain::tr("%1 moved down").arg(names);
    if (Listened()) {
        const QRect changed(QPoint(std::min(first.x(), last.x()), std::min(first.y(), last.y())),
                            QPoint(std::max(first.x(), last.x()), std::max(first.y(), last.y())));
        QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
        event.setFirstRow(changed.top());
        event.setLastRow(changed.bottom());
        event.setFirstColumn(changed.left());
        event.setLastColumn(changed.right());
        Send(event);
        for (int r = changed.top(); r <= changed.bottom(); ++r) {
            for (int c = changed.left(); c <= changed.right(); ++c) {
                QAccessibleEvent renamed(this, QAccessible::NameChanged);
                renamed.setChild(r * Columns() + c);
                Send(renamed);
            }
        }
    }
    Announce(text);
}

void BoardCells::TellBoardChanged(const QString& announcement) {
    if (Listened()) {
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        Send(reset);
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        Send(renamed);
        TellCursor();
    }
    // What was said of the last board is no longer true of this one.
    announcement.isEmpty() ? Announcement.clear() : Announce(announcement);
}

// ------------------------------------------------------------ the interfaces

namespace {

class BoardTable;

// One slot of the board; made on demand, kept by the table until the board changes.
class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface, public QAccessibleActionInterface {
public:
    BoardCell(BoardTable* table, int row, int column) : Table(table), Row(row), Column(column) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Column; }
    int rowIndex() const override { return Row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    // Pressing a cell slides its tile, as a press of the mouse does.
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    BoardCells* Board() const;
    BoardTable* Table;
    const int Row, Column;
};

class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTable(BoardCells* board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~BoardTable() override { Forget(); }

    BoardCells* Board() const { return static_cast<BoardCells*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return Board()->TableName();
        if (t == QAccessible::Description) return Board()->LastAnnouncement();
        return QAccessibleWidget::text(t);
    }
    QRect rect() const override {
        const BoardCells* board = Board();
        if (board->Rows() == 0) return QAccessibleWidget::rect();
        const QRect shown = board->CellRect(0, 0) | board->CellRect(board->Rows() - 1, board->Columns() - 1);
        return QRect(board->parentWidget()->mapToGlobal(shown.topLeft()), shown.size());
    }
    int childCount() const override { return Board()->Rows() * Board()->Columns(); }
    QAccessibleInterface* child(int index) const override {
        const int columns = Board()->Columns();
        if (index < 0 || index >= childCount()) return nullptr;
        return cellAt(index / columns, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = Cells.cbegin(); it != Cells.cend(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child) return it.key();
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = Board()->parentWidget()->mapFromGlobal(QPoint(x, y));
        for (int r = 0; r < Board()->Rows(); ++r)
            for (int c = 0; c < Board()->Columns(); ++c)
                if (Board()->CellRect(r, c).contains(at)) return cellAt(r, c);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!Board()->hasFocus() || Board()->Rows() == 0) return nullptr;
        return cellAt(Board()->Cursor().y(), Board()->Cursor().x());
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
        const int index = row * columnCount() + column;
        if (const auto known = Cells.constFind(index); known != Cells.cend())
            return QAccessible::accessibleInterface(known.value());
        auto* cell = new BoardCell(const_cast<BoardTable*>(this), row, column);
        Cells.insert(index, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Board()->Columns(); }
    int rowCount() const override { return Board()->Rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // A new board may have another grid: its cells are made anew.
    void modelChange(QAccessibleTableModelChangeEvent* event) override {
        if (event->modelChangeType() == QAccessibleTableModelChangeEvent::ModelReset) Forget();
    }

private:
    void Forget() {
        for (const QAccessible::Id id : std::as_const(Cells)) QAccessible::deleteAccessibleInterface(id);
        Cells.clear();
    }
    mutable QHash<int, QAccessible::Id> Cells; // by index in row order
};

BoardCells* BoardCell::Board() const { return Table->Board(); }

bool BoardCell::isValid() const {
    return Table->isValid() && Row < Board()->Rows() && Column < Board()->Columns();
}

QWindow* BoardCell::window() const { return Table->window(); }

QAccessibleInterface* BoardCell::parent() const { return Table; }

QAccessibleInterface* BoardCell::table() const { return Table; }

QString BoardCell::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid()) return {};
    return Board()->CellName(Row, Column);
}

QRect BoardCell::rect() const {
    if (!isValid()) return {};
    const QRect shown = Board()->CellRect(Row, Column);
    return QRect(Board()->parentWidget()->mapToGlobal(shown.topLeft()), shown.size());
}

QAccessible::State BoardCell::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.focusable = true;
    state.focused = Board()->hasFocus() && Board()->Cursor() == QPoint(Column, Row);
    return state;
}

void BoardCell::doAction(const QString& name) {
    if (!isValid()) return;
    Board()->setFocus(Qt::OtherFocusReason);
    Board()->Choose(Row, Column, name == pressAction());
}

QAccessibleInterface* BoardInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("BoardCells") && object && object->isWidgetType())
        return new BoardTable(static_cast<BoardCells*>(object));
    return nullptr;
}

} // namespace

void InstallBoardAccessibility() {
    static const bool installed = (QAccessible::installFactory(BoardInterface), true);
    (void)installed;
}
