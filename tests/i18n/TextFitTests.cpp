// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The dialogs show every text whole, in English and in every translation,
// at the default font and at 16 points; in English at the default font they
// keep their designed sizes; the main window's status panels and menus, and
// the best times' rows, show theirs whole too.
#include "audio/Music.h"
#include "fakes/FakeDialogs.h"
#include "fakes/TestWindow.h"
#include "help/About.h"
#include "pictures/Numeric.h"
#include "pictures/Pieces.h"
#include "platform/ElidedLabel.h"
#include "platform/FontDialog.h"
#include "platform/GrowToFit.h"
#include "platform/Translations.h"
#include "storage/Times.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSet>
#include <QToolButton>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

struct DialogMaker {
    const char* name;
    QSize designed; // at the default font, in English; empty: laid out by Qt
    std::function<std::unique_ptr<QDialog>(FakeDialogs&, const QString& folder)> make;
};

const DialogMaker Dialogs[] = {
    {"Custom Pieces", {353, 244}, [](FakeDialogs&, const QString&) { return std::make_unique<TFormPieces>(nullptr); }},
    {"Numeric Puzzle Options", {405, 224},
     [](FakeDialogs& d, const QString&) { return std::make_unique<TFormNumeric>(d, nullptr); }},
    {"Set Music", {409, 248},
     [](FakeDialogs& d, const QString& folder) { return std::make_unique<TFormMusic>(d, folder, nullptr); }},
    {"Best Times", {429, 275},
     [](FakeDialogs&, const QString& folder) {
         auto times = std::make_unique<TFormTimes>(nullptr);
         times->SelectList(folder, QStringLiteral("/pictures/sunset.jpg"), 2);
         return times;
     }},
    {"About", {}, [](FakeDialogs&, const QString&) { return std::make_unique<TFormAbout>(nullptr); }},
    {"Font", {}, [](FakeDialogs&, const QString&) { return std::make_unique<FontDialog>(nullptr, TFont{}); }},
};

// The controls of the shown dialog that a screen reader could not name: no
// text, no accessible name and no label that is their buddy.
QStringList UnnamedControls(QDialog& dialog) {
    QSet<const QWidget*> labelled;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy()) labelled.insert(label->buddy());
    QStringList unnamed;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&dialog) || !widget->accessibleName().isEmpty() || labelled.contains(widget)) continue;
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const bool control = (button && button->text().isEmpty()) || qobject_cast<QLineEdit*>(widget) ||
                             qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QComboBox*>(widget) ||
                             qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QAbstractSlider*>(widget);
        // A control's own parts (a spin box's text, a list's header and
        // scroll bars) are told with the control.
        const QWidget* owner = widget->parentWidget();
        const auto part = [](const QWidget* w) {
            return qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
                   qobject_cast<const QAbstractScrollArea*>(w);
        };
        if (control && !qobject_cast<QScrollBar*>(widget) && !part(owner) && !(owner && part(owner->parentWidget())))
            unnamed << QStringLiteral("%1 %2").arg(QLatin1String(widget->metaObject()->className()), widget->objectName());
    }
    return unnamed;
}

// The texts of the shown dialog that do not fit their widget.
QStringList CutTexts(QDialog& dialog) {
    QStringList cut;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&dialog)) continue;
        const auto* label = qobject_cast<QLabel*>(widget);
        const QString text = label                                           ? label->text()
                             : qobject_cast<QAbstractButton*>(widget) ? qobject_cast<QAbstractButton*>(widget)->text()
                                                                             : QString();
        const QSize room = RoomForText(*widget);
        const bool fits = label && label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : room.width() <= widget->width() && room.height() <= widget->height();
        if (!fits)
            cut << QStringLiteral("\"%1\" needs %2 x %3 in %4 x %5")
                       .arg(text)
                       .arg(room.width())
                       .arg(room.height())
                       .arg(widget->width())
                       .arg(widget->height());
    }
    return cut;
}

class FontSize {
public:
    explicit FontSize(int points) : before(QApplication::font()) {
        QFont font = before;
        if (points > 0) font.setPointSize(points);
        QApplication::setFont(font);
    }
    ~FontSize() { QApplication::setFont(before); }

private:
    QFont before;
};

} // namespace

TEST(TextFit, EveryDialogShowsItsWholeTextsInEveryLanguageAtEveryFontSize) {
    QStringList languages = TranslatedLanguages();
    languages.prepend(QString()); // English
    const QTemporaryDir folder;
    FakeDialogs fakes;
    for (const QString& language : languages) {
        std::optional<Translations> translation;
        if (!language.isEmpty()) translation.emplace(QLocale(language));
        for (const int points : {0, 16}) {
            const FontSize size(points);
            for (const DialogMaker& maker : Dialogs) {
                SCOPED_TRACE(QStringLiteral("%1 %2 pt %3")
                                 .arg(language.isEmpty() ? QStringLiteral("en") : language)
                                 .arg(points)
                                 .arg(QLatin1String(maker.name))
                                 .toStdString());
                const std::unique_ptr<QDialog> dialog = maker.make(fakes, folder.path() + QLatin1Char('/'));
                dialog->show();
                ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
                EXPECT_EQ(CutTexts(*dialog), QStringList());
                if (language.isEmpty() && points == 0) EXPECT_EQ(UnnamedControls(*dialog), QStringList());
                if (language.isEmpty() && points == 0 && !maker.designed.isEmpty())
                    EXPECT_EQ(dialog->size(), maker.designed);
                if (!maker.designed.isEmpty()) {
                    EXPECT_GE(dialog->width(), maker.designed.width()) << "never narrower than designed";
                    EXPECT_GE(dialog->height(), maker.designed.height());
                }
            }
        }
    }
}

namespace {

// English, then every translation, each at the default font and at 16 points.
void ForEveryLanguageAndFontSize(const std::function<void()>& check) {
    QStringList languages = TranslatedLanguages();
    languages.prepend(QString());
    for (const QString& language : languages) {
        std::optional<Translations> translation;
        if (!language.isEmpty()) translation.emplace(QLocale(language));
        for (const int points : {0, 16}) {
            const FontSize size(points);
            SCOPED_TRACE(QStringLiteral("%1 %2 pt").arg(language.isEmpty() ? QStringLiteral("en") : language).arg(points).toStdString());
            check();
        }
    }
}

// The panels of the status bar that must show their text whole (all but
// the picture's name), and the menu items whose text their menu cuts.
QStringList CutInMainWindow(TestForm& form) {
    QStringList cut;
    for (const int panel : {0, 1, 3}) {
        const auto& label = static_cast<const ElidedLabel&>(*form.StatusPanels[size_t(panel)]);
        if (label.ShownText() != label.text() || label.contentsRect().height() < label.fontMetrics().height())
            cut << QStringLiteral("panel \"%1\" (%2 x %3) in %4 x %5")
                       .arg(label.text())
                       .arg(label.fontMetrics().horizontalAdvance(label.text()))
                       .arg(label.fontMetrics().height())
                       .arg(label.contentsRect().width())
                       .arg(label.contentsRect().height());
    }
    const auto* overflow = form.menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    if (overflow && overflow->isVisible()) cut << QStringLiteral("the menu bar overflows");
    for (QMenu* menu : form.findChildren<QMenu*>()) {
        menu->ensurePolished();
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            const QString text = action->text().remove(QLatin1Char('&'));
            const QRect item = menu->actionGeometry(action);
            if (item.width() < menu->fontMetrics().horizontalAdvance(text) || item.height() < menu->fontMetrics().height())
                cut << QStringLiteral("item \"%1\"").arg(text);
        }
    }
    return cut;
}

// Labels of the dialog that lie over each other, and columns of its list
// whose cells or heading do not fit; the name column may elide.
QStringList OverlapsAndCutColumns(const TFormTimes& times) {
    QStringList found;
    const QList<QLabel*> labels = times.findChildren<QLabel*>();
    for (qsizetype i = 0; i < labels.size(); ++i)
        for (qsizetype j = i + 1; j < labels.size(); ++j)
            if (labels[i]->isVisible() && labels[j]->isVisible() && labels[i]->geometry().intersects(labels[j]->geometry()))
                found << QStringLiteral("\"%1\" over \"%2\"").arg(labels[i]->text(), labels[j]->text());
    const QHeaderView& header = *times.ListView->header();
    QStyleOptionViewItem cell;
    cell.initFrom(times.ListView);
    for (const int column : {0, 1, 2}) {
        int needed = header.sectionSizeHint(column);
        for (int row = 0; column != 1 && row < times.ListView->topLevelItemCount(); ++row) {
            const QModelIndex index = times.ListView->model()->index(row, column);
            needed = std::max(needed, times.ListView->itemDelegate()->sizeHint(cell, index).width());
        }
        if (header.sectionSize(column) < needed)
            found << QStringLiteral("column %1 needs %2 in %3").arg(column).arg(needed).arg(header.sectionSize(column));
    }
    if (header.length() > times.ListView->viewport()->width()) found << QStringLiteral("the list scrolls sideways");
    return found;
}

} // namespace

TEST(TextFit, TheMainWindowAndTheBestTimesShowTheirWholeTextsInEveryLanguageAtEveryFontSize) {
    const QTemporaryDir folder;
    const QString list = folder.filePath(QStringLiteral("list/"));
    ASSERT_TRUE(QDir().mkpath(list + QStringLiteral("Scores")));
    {
        TFormTimes times(nullptr);
        times.SelectList(list, QStringLiteral("/pictures/sunset.jpg"), 2);
        ASSERT_TRUE(times.StoreTime(3, 3, QStringLiteral("Ann"), 75));
        ASSERT_TRUE(times.StoreTime(20, 20, QStringLiteral("Wojciech Szczepański-Wróblewski"), 35999));
    }
    ForEveryLanguageAndFontSize([&] {
        TestWindow w;
        TestForm& form = w.Show();
        form.Puzzle->SetSize(3, 3);
        ASSERT_TRUE(form.OpenPicture(QStringLiteral("Numeric")));
        form.ScrambleMenuClick();
        form.HintMenuClick(); // the longest move count: with the fewest moves left
        EXPECT_TRUE(QTest::qWaitFor([&] { return form.MoveCount() > 0 || form.GameStopped; }, 10000));
        QTest::qWait(50); // the window's new least size
        EXPECT_EQ(CutInMainWindow(form), QStringList());
        form.Puzzle->SetSize(20, 20); // the longest grid
        ASSERT_TRUE(form.OpenPicture(QStringLiteral("Numeric")));
        QTest::qWait(50);
        EXPECT_EQ(CutInMainWindow(form), QStringList());

        TFormTimes times(nullptr);
        times.SelectList(list, QStringLiteral("/pictures/sunset.jpg"), 2);
        times.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&times));
        ASSERT_EQ(times.ListView->topLevelItemCount(), 2);
        EXPECT_EQ(OverlapsAndCutColumns(times), QStringList());
    });
}
