// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The dialogs show every text whole, in English and in every translation,
// at the default font and at 16 points; in English at the default font they
// keep their designed sizes.
#include "audio/Music.h"
#include "fakes/FakeDialogs.h"
#include "help/About.h"
#include "pictures/Numeric.h"
#include "pictures/Pieces.h"
#include "platform/FontDialog.h"
#include "platform/GrowToFit.h"
#include "platform/Translations.h"
#include "storage/Times.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
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
