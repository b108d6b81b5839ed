// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// What a screen reader gets of the board, the keyboard cursor, Show numbers
// and the contrast of the window's parts in high-contrast palettes.
#include "../Contrast.h"
#include "../engine/BoardState.h"
#include "fakes/TestWindow.h"
#include "game/BoardAccessible.h"
#include "engine/Solver.h"
#include "help/HelpWindow.h"
#include "pictures/PictureMaker.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QAction>
#include <QLabel>
#include <QTextBrowser>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>

namespace {

QString Name(QAccessibleInterface* iface) { return iface ? iface->text(QAccessible::Name) : QStringLiteral("-"); }

// The board as a screen reader gets it: the table's name, its cells row by
// row with the focused one in brackets, and what was last said.
QString Tree(QAccessibleInterface* table) {
    QAccessibleTableInterface* grid = table->tableInterface();
    QString text = Name(table) + QLatin1Char('\n');
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c) {
            QAccessibleInterface* cell = grid->cellAt(r, c);
            cells << (cell->state().focused ? QLatin1Char('[') + Name(cell) + QLatin1Char(']') : Name(cell));
        }
        text += cells.join(QLatin1String(" | ")) + QLatin1Char('\n');
    }
    return text + QStringLiteral("said: ") + table->text(QAccessible::Description);
}

// The events the window sends to assistive technologies while the object lives.
struct Listener {
    struct Heard {
        QAccessible::Event type;
        QObject* object;
        int child;
        QString text; // the changed cell's name, or the board's description
    };
    Listener() {
        Current = this;
        BoardCells::Overheard = &Listener::Hear;
    }
    ~Listener() {
        BoardCells::Overheard = nullptr;
        Current = nullptr;
    }
    static void Hear(QAccessibleEvent* event) {
        QAccessibleInterface* iface = event->accessibleInterface();
        const QString text = !iface ? QString()
                             : event->type() == QAccessible::DescriptionChanged ? iface->text(QAccessible::Description)
                                                                                 : iface->text(QAccessible::Name);
        Current->heard.push_back({event->type(), event->object(), event->child(), text});
    }
    QStringList Said() const {
        QStringList said;
        for (const Heard& h : heard)
            if (h.type == QAccessible::DescriptionChanged) said << h.text;
        return said;
    }
    int Count(QAccessible::Event type) const {
        return int(std::count_if(heard.begin(), heard.end(), [&](const Heard& h) { return h.type == type; }));
    }
    std::vector<Heard> heard;
    static inline Listener* Current = nullptr;
};

// A 3 x 3 numeric board at the Beginner level: blank at the bottom right, no
// stones; the game runs unshuffled.
class Accessibility : public testing::Test {
public: // the cases' steps use it too
    void SetUp() override {
        w.Show();
        f().SetLevel(1);
        f().Puzzle->SetSize(3, 3);
        ASSERT_TRUE(f().OpenPicture(QStringLiteral("Numeric")));
        f().GameStopped = false;
    }
    TestForm& f() { return *w.form; }
    TPuzzle& board() { return *f().Puzzle; }
    QAccessibleInterface* Table() { return QAccessible::queryAccessibleInterface(f().Cells); }
    void Press(int row, int column) {
        f().SettleView(); // a press first settles the view, as the slide does
        const QPoint at = f().View.InClient(f().View.Map(board().GetTile(row, column).GetDestRect())).center();
        f().FormMouseDown(Qt::LeftButton, {}, at.x(), at.y());
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) { f().FormKeyDown(key, modifiers); }
    void FocusBoard() {
        f().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f()));
        f().ClientArea()->setFocus();
    }
    bool Hint() {
        const uint32_t before = f().MoveCount();
        f().HintMenu->trigger();
        return QTest::qWaitFor([&] { return f().MoveCount() > before || f().GameStopped; }, 10000);
    }
    TestWindow w;
};

const QString Solved = QStringLiteral("Board, 3 x 3, Beginner\n"
                                      "[1, in place] | 2, in place | 3, in place\n"
                                      "4, in place | 5, in place | 6, in place\n"
                                      "7, in place | 8, in place | empty\n"
                                      "said: ");

} // namespace

TEST_F(Accessibility, TheBoardIsATableOfNamedCellsInRowOrder) {
    QAccessibleInterface* table = Table();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(Tree(table), Solved);
    ASSERT_EQ(table->childCount(), 9);
    for (int i = 0; i < 9; ++i) {
        QAccessibleInterface* cell = table->child(i);
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_EQ(table->indexOfChild(cell), i);
        EXPECT_EQ(cell->parent(), table);
        EXPECT_EQ(cell->tableCellInterface()->rowIndex() * 3 + cell->tableCellInterface()->columnIndex(), i);
        EXPECT_EQ(table->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
    }
    // The client area holds the tool bar and the board side by side.
    QAccessibleInterface* client = QAccessible::queryAccessibleInterface(f().ClientArea());
    EXPECT_GE(client->indexOfChild(table), 0);
    EXPECT_GE(client->indexOfChild(QAccessible::queryAccessibleInterface(f().PanelToolbar)), 0);
    // A picture that cannot be opened leaves a board without cells.
    EXPECT_FALSE(f().OpenPicture(w.Path(QStringLiteral("missing.jpg"))));
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Board, no picture open"));
    EXPECT_EQ(table->childCount(), 0);
}

// Every way of sliding changes the cells' names and is said.
TEST_F(Accessibility, EachSlideRenamesItsCellsAndIsSaid) {
    struct Case {
        const char* name;
        std::function<void(Accessibility&)> before, slide;
        QString tree;
    };
    const QString oneRight = QStringLiteral("Board, 3 x 3, Beginner\n"
                                            "[1, in place] | 2, in place | 3, in place\n"
                                            "4, in place | 5, in place | 6, in place\n"
                                            "7, in place | empty | 8\n"
                                            "said: 8 moved right");
    const auto nothing = [](Accessibility&) {};
    const auto pressEight = [](Accessibility& t) { t.Press(2, 1); };
    const Case cases[] = {
        {"mouse", nothing, pressEight, oneRight},
        {"arrow key", nothing, [](Accessibility& t) { t.Key(Qt::Key_Right); }, oneRight},
        {"mouse, two tiles", nothing, [](Accessibility& t) { t.Press(0, 2); },
         QStringLiteral("Board, 3 x 3, Beginner\n"
                        "[1, in place] | 2, in place | empty\n"
                        "4, in place | 5, in place | 3\n"
                        "7, in place | 8, in place | 6\n"
                        "said: 6, 3 moved down")},
        {"undo", pressEight, [](Accessibility& t) { t.f().UndoMenu->trigger(); },
         Solved + QStringLiteral("8 moved left")},
        {"redo", [](Accessibility& t) { t.Press(2, 1), t.Press(1, 1), t.f().UndoMenu->trigger(); },
         [](Accessibility& t) { t.f().RedoMenu->trigger(); },
         QStringLiteral("Board, 3 x 3, Beginner\n"
                        "[1, in place] | 2, in place | 3, in place\n"
                        "4, in place | empty | 6, in place\n"
                        "7, in place | 5 | 8\n"
                        "said: 5 moved down")},
        {"hint", [](Accessibility& t) { t.Press(2, 0); }, [](Accessibility& t) { ASSERT_TRUE(t.Hint()); },
         QStringLiteral("Board, 3 x 3, Beginner\n"
                        "[1, in place] | 2, in place | 3, in place\n"
                        "4, in place | 5, in place | 6, in place\n"
                        "7, in place | empty | 8\n"
                        "said: 7 moved left")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.before(*this);
        const QString before = Tree(Table());
        Listener listener;
        c.slide(*this);
        EXPECT_EQ(Tree(Table()), c.tree);
        if (qEnvironmentVariableIsSet("SLIDORA_PRINT_TREE"))
            std::cout << c.name << ":\n" << before.toStdString() << "\n->\n" << Tree(Table()).toStdString() << "\n\n";
        // The cells of the slide are renamed, the table told its data changed, and the slide said once.
        EXPECT_EQ(listener.Count(QAccessible::TableModelChanged), 1);
        EXPECT_GE(listener.Count(QAccessible::NameChanged), 2);
        EXPECT_EQ(listener.Said(), QStringList{Table()->text(QAccessible::Description)});
        for (const Listener::Heard& h : listener.heard)
            if (h.type == QAccessible::NameChanged && h.child >= 0) EXPECT_EQ(h.text, Name(Table()->child(h.child)));
    }
}

TEST_F(Accessibility, SolveSaysOnlyItsStartAndItsEnd) {
    Press(2, 0);
    Press(0, 0);
    Listener listener;
    f().SolveMenu->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f().GameStopped; }, 20000));
    EXPECT_EQ(listener.Said(),
              (QStringList{QStringLiteral("Solving the puzzle"), QStringLiteral("Solve finished: the puzzle is solved")}));
    EXPECT_EQ(listener.Count(QAccessible::NameChanged), 1) << "the whole board once, no cell of a move";
    EXPECT_EQ(Tree(Table()), Solved + QStringLiteral("Solve finished: the puzzle is solved"));
}

// Shift+arrows move the cursor inside the board; its cell is the focused one.
TEST_F(Accessibility, TheKeyboardCursorIsTheFocusedCellAndIsDrawnOnceUsed) {
    FocusBoard();
    const QRect slot = f().View.InClient(f().View.Map(board().GetTile(0, 1).GetDestRect()));
    const QImage before = f().ClientArea()->grab().toImage();
    EXPECT_EQ(before.pixel(slot.topLeft()), f().BackBuffer.pixel(slot.topLeft() - f().View.origin));
    Listener listener;
    const std::pair<int, QPoint> steps[] = {{Qt::Key_Right, {1, 0}}, {Qt::Key_Left, {0, 0}}, {Qt::Key_Left, {0, 0}},
                                            {Qt::Key_Down, {0, 1}},  {Qt::Key_Down, {0, 2}}, {Qt::Key_Down, {0, 2}},
                                            {Qt::Key_Right, {1, 2}}, {Qt::Key_Right, {2, 2}}};
    for (const auto& [key, at] : steps) {
        Key(key, Qt::ShiftModifier);
        EXPECT_EQ(f().KeyCursorSlot(), at);
        ASSERT_TRUE(Table()->focusChild());
        EXPECT_EQ(Table()->indexOfChild(Table()->focusChild()), at.y() * 3 + at.x());
        EXPECT_EQ(listener.heard.back().type, QAccessible::Focus);
        EXPECT_EQ(listener.heard.back().child, at.y() * 3 + at.x());
    }
    EXPECT_EQ(Tree(Table()), QStringLiteral("Board, 3 x 3, Beginner\n"
                                            "1, in place | 2, in place | 3, in place\n"
                                            "4, in place | 5, in place | 6, in place\n"
                                            "7, in place | 8, in place | [empty]\n"
                                            "said: "));
    // The frame, black, white and black, over the edge of the cursor's slot only.
    Key(Qt::Key_Up, Qt::ShiftModifier), Key(Qt::Key_Up, Qt::ShiftModifier), Key(Qt::Key_Left, Qt::ShiftModifier);
    const QImage after = f().ClientArea()->grab().toImage();
    EXPECT_EQ(after.pixel(slot.topLeft()), qRgb(0, 0, 0));
    EXPECT_EQ(after.pixel(slot.topLeft() + QPoint(1, 1)), qRgb(255, 255, 255));
    EXPECT_EQ(after.pixel(slot.topLeft() + QPoint(3, 3)), qRgb(0, 0, 0));
    EXPECT_EQ(after.pixel(slot.center()), before.pixel(slot.center()));
    // Tab goes from the tool bar to the board.
    f().ButtonBackground->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f().ButtonBackground, Qt::Key_Tab);
    EXPECT_TRUE(f().Cells->hasFocus());
}

// Space and Enter on the cursor's slot do what a press of the mouse there does, on every slot.
TEST_F(Accessibility, SpaceOrEnterAtTheCursorIsAPressThere) {
    for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        for (int slot = 0; slot < 9; ++slot) {
            SCOPED_TRACE(testing::Message() << "key " << key << " slot " << slot);
            SetUp();
            Press(1, 2); // the blank in the middle of the right column
            Press(1, 0); // and then at the left
            const int row = slot / 3, column = slot % 3;
            Press(row, column);
            const BoardState pressed = Capture(board());
            const uint32_t moves = f().MoveCount();
            SetUp();
            Press(1, 2);
            Press(1, 0);
            f().PlaceKeyCursor(column, row);
            Key(key);
            EXPECT_EQ(Capture(board()), pressed);
            EXPECT_EQ(f().MoveCount(), moves);
        }
    }
    // Without a game, it asks to scramble, as a press does.
    f().GameStopped = true;
    w.dialogs.messages.clear();
    Key(Qt::Key_Space);
    EXPECT_EQ(w.dialogs.messages.size(), 1u);
}

// A photo's pieces carry their numbers at their top left with Show numbers,
// and are named by where they belong, and by number too; the numeric
// picture is left as it is.
TEST_F(Accessibility, ShowNumbersMarksAndNamesPhotoPiecesOnly) {
    const QImage numeric = f().Picture.copy();
    f().ShownumbersMenu->trigger();
    EXPECT_TRUE(f().Picture == numeric);
    const QString photo = w.Path(QStringLiteral("photo.png"));
    ASSERT_TRUE(PhotoImage(300, 240).save(photo));
    ASSERT_TRUE(f().OpenPicture(photo));
    f().GameStopped = false;
    Press(2, 0);
    const QImage marked = f().Picture.copy();
    const auto lastRow = [&] {
        QStringList names;
        for (int column = 0; column < 3; ++column) names << Name(Table()->tableInterface()->cellAt(2, column));
        return names.join(QLatin1String(" | ")) + QLatin1String(" / ") + Name(Table()->child(0));
    };
    EXPECT_EQ(lastRow(), QStringLiteral("empty | piece 7, from row 3, column 1 | piece 8, from row 3, column 2 / "
                                        "piece 1, from row 1, column 1, in place"));
    f().ShownumbersMenu->trigger();
    EXPECT_EQ(lastRow(), QStringLiteral("empty | piece from row 3, column 1 | piece from row 3, column 2 / "
                                        "piece from row 1, column 1, in place"));
    const auto differs = [&](const QRect& area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (marked.pixel(x, y) != f().Picture.pixel(x, y)) return true;
        return false;
    };
    const QSize piece(f().Picture.width() / 3, f().Picture.height() / 3);
    for (int i = 0; i < 9; ++i) {
        const QRect cell(QPoint((i % 3) * piece.width(), (i / 3) * piece.height()), piece);
        EXPECT_TRUE(differs(QRect(cell.topLeft(), cell.size() / 2))) << "a number at the top left of piece " << i;
        EXPECT_FALSE(differs(QRect(cell.center(), cell.bottomRight()))) << "nothing elsewhere on piece " << i;
    }
}

TEST_F(Accessibility, ShowNumbersIsOffByDefaultAndKeptAsASetting) {
    TestWindow window;
    window.Show();
    EXPECT_FALSE(window.form->ShowNumbers);
    EXPECT_FALSE(window.form->ShownumbersMenu->isChecked());
    // The toggle is stored at once, with every other value the store lacked.
    window.form->ShownumbersMenu->trigger();
    EXPECT_EQ(window.settings.Read(QStringLiteral("ShowNumbers")).integer, 1u);
    struct Case {
        const char* name;
        std::optional<uint32_t> stored;
        bool on;
    };
    const Case cases[] = {{"on", 1, true}, {"off", 0, false}, {"missing, as in an older file", std::nullopt, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window.form.reset();
        window.settings.values.remove(QStringLiteral("ShowNumbers"));
        if (c.stored) window.settings.SetInteger(QStringLiteral("ShowNumbers"), *c.stored);
        window.settings.SetInteger(QStringLiteral("Level"), 1); // the rest of the file is applied all the same
        window.Create();
        window.Show();
        EXPECT_EQ(window.form->ShowNumbers, c.on);
        EXPECT_EQ(window.form->ShownumbersMenu->isChecked(), c.on);
        EXPECT_EQ(window.form->Level, 1);
    }
}

TEST_F(Accessibility, TheHelpWindowIsADocumentNamedByItsTitle) {
    THelpWindow& help = HelpWindowOf(&f());
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&help);
    EXPECT_EQ(window->role(), QAccessible::Document);
    EXPECT_EQ(Name(window), QStringLiteral("Slidora Help"));
    EXPECT_EQ(Name(QAccessible::queryAccessibleInterface(help.Browser)), QStringLiteral("Slidora Help"));
}

// ------------------------------------------------------------ contrast

namespace {

// How a part of an image stands out from the colour that fills most of
// another part (its background).
struct Measured {
    QColor background;
    double best = 1; // the contrast of the most distinct colour
    int strong = 0;  // pixels of at least 4.5:1
};

Measured Measure(const QImage& image, const QRect& part, const QRect& around) {
    QHash<QRgb, int> counts;
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x) ++counts[image.pixel(x, y)];
    Measured m;
    m.background = QColor(std::max_element(counts.begin(), counts.end()).key());
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            const double ratio = ContrastRatio(QColor(image.pixel(x, y)), m.background);
            m.best = std::max(m.best, ratio);
            m.strong += ratio >= 4.5;
        }
    }
    return m;
}

QPalette HighContrast(bool dark) {
    const QColor back = dark ? Qt::black : Qt::white, fore = dark ? Qt::white : Qt::black;
    QPalette palette(fore, back);
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) palette.setColor(role, back);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) palette.setColor(role, fore);
    palette.setColor(QPalette::Highlight, dark ? QColor(0x1A, 0xEB, 0xFF) : QColor(0x37, 0x00, 0x6E));
    palette.setColor(QPalette::HighlightedText, back);
    return palette;
}

} // namespace

TEST_F(Accessibility, PartsStayVisibleInHighContrastPalettes) {
    Key(Qt::Key_Right, Qt::ShiftModifier);
    const bool print = qEnvironmentVariableIsSet("SLIDORA_PRINT_CONTRAST");
    for (bool dark : {true, false}) {
        f().setPalette(HighContrast(dark));
        QCoreApplication::processEvents();
        struct Part {
            QString name;
            QImage image;
            QRect part, around;
        };
        std::vector<Part> parts;
        for (QToolButton* button : f().ToolBar1->findChildren<QToolButton*>())
            parts.push_back({QStringLiteral("glyph: ") + button->toolTip(), button->grab().toImage(),
                             QRect(5, 5, 21, 20), button->rect()});
        for (QLabel* panel : f().StatusPanels)
            parts.push_back({QStringLiteral("status: ") + panel->text(), panel->grab().toImage(), panel->rect(),
                             panel->rect()});
        // The cursor's frame over its slot, and the bevels between two slots.
        const QImage client = f().ClientArea()->grab().toImage();
        const QRect frame = f().KeyCursorRect();
        const QRect inside = frame.adjusted(6, 6, -6, -6);
        parts.push_back({QStringLiteral("cursor frame"), client, QRect(frame.topLeft(), QSize(frame.width(), 4)), inside});
        // Where two slots meet, the shadow of one beside the light of the other.
        const QImage tiles = f().BackBuffer;
        const QRect edge = f().View.Map(board().GetTile(1, 0).GetDestRect());
        const int x = edge.right(), y = edge.center().y();
        const double bevels = ContrastRatio(QColor(tiles.pixel(x, y)), QColor(tiles.pixel(x + 1, y)));
        if (print) std::cout << (dark ? "dark  " : "light ") << "bevels between slots: " << bevels << ":1\n";
        EXPECT_GE(bevels, 4.5);
        for (const Part& part : parts) {
            const Measured m = Measure(part.image.convertToFormat(QImage::Format_RGB32), part.part, part.around);
            if (print)
                std::cout << (dark ? "dark  " : "light ") << part.name.toStdString() << ": " << m.best << ":1 on "
                          << m.background.name().toStdString() << ", " << m.strong << " px\n";
            EXPECT_GE(m.best, 4.5) << part.name.toStdString() << (dark ? " dark" : " light");
            EXPECT_GE(m.strong, 8) << part.name.toStdString() << (dark ? " dark" : " light");
        }
    }
}

// Scrambled with F2 and played to the end with Shift+arrows and Space alone.
TEST_F(Accessibility, AWholeGameIsWonByTheKeyboardAlone) {
    FocusBoard();
    const auto press = [](int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    };
    press(Qt::Key_F2);
    ASSERT_FALSE(board().IsSolved());
    ASSERT_FALSE(f().GameStopped);
    const std::optional<Solution> plan = SolveBoard(board(), std::chrono::seconds(10));
    ASSERT_TRUE(plan);
    for (const BlankMove move : plan->moves) {
        const QPoint step = move == BlankMove::Left    ? QPoint(-1, 0)
                            : move == BlankMove::Right ? QPoint(1, 0)
                            : move == BlankMove::Up    ? QPoint(0, -1)
                                                       : QPoint(0, 1);
        const QPoint tile = QPoint(board().GetBlankColumn(), board().GetBlankRow()) + step;
        while (f().KeyCursorSlot() != tile) {
            const QPoint at = f().KeyCursorSlot();
            press(at.x() < tile.x()   ? Qt::Key_Right
                  : at.x() > tile.x() ? Qt::Key_Left
                  : at.y() < tile.y() ? Qt::Key_Down
                                      : Qt::Key_Up,
                  Qt::ShiftModifier);
        }
        press(Qt::Key_Space);
    }
    EXPECT_TRUE(board().IsSolved());
    EXPECT_TRUE(f().GameStopped) << "the game ended";
    EXPECT_EQ(f().MoveCount(), plan->moves.size());
}
