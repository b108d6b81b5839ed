// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The game's own translation and Qt's, installed for the player's language.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

class Translations {
public:
    // The game's translation for the first of the locale's languages that
    // has one, and Qt's for that same language; nothing (English) when the
    // game has none; the layout mirrored for a right-to-left language.
    // Removed again, and the layout as it was, when this object ends.
    explicit Translations(const QLocale& locale);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language installed ("de", "pt_BR"), empty for English.
    QString Language() const { return language; }

private:
    QTranslator own, qt;
    QString language;
    QString languageBefore;         // the installed language before
    Qt::LayoutDirection direction; // the application's before
};

// The language of the game's translation installed now ("de", "pt_BR"),
// empty for English: what the window shows its texts, and its help, in.
QString InstalledLanguage();

// Loads the game's translation for the first of the locale's languages that
// has one; false for English. Needs no application: the command line's
// answers are translated before there is one.
bool LoadTranslation(QTranslator& translation, const QLocale& locale);

// The languages the game is translated into, as the resource holds them.
QStringList TranslatedLanguages();
