// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The translations: each one complete and faithful to its English
// placeholders, each one compiled in and loaded for its locale, and no two
// items of one menu sharing a mnemonic that do not share it in English.
#include "fakes/TestWindow.h"
#include "platform/Translations.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

namespace {

struct Message {
    QString context, source, translation;
    bool unfinished = false;
};

std::vector<Message> ReadTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        else if (xml.name() == QLatin1String("message")) messages.push_back({context, {}, {}, false});
        else if (xml.name() == QLatin1String("source")) messages.back().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            messages.back().unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList TsLanguages() {
    QStringList languages;
    for (const QString& file :
         QDir(QStringLiteral(SLIDORA_TRANSLATIONS_DIR)).entryList({QStringLiteral("slidora_*.ts")}, QDir::Files))
        languages << file.mid(8).chopped(3);
    return languages;
}

QStringList Placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text)) found << match.captured();
    found.sort();
    return found;
}

// The patterns of a filter "description (patterns)|patterns|...": every
// field but the descriptions' words.
QStringList FilterPatterns(const QString& filter) {
    QStringList patterns;
    const QStringList fields = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const qsizetype open = fields[i].lastIndexOf(QLatin1Char('('));
        patterns << (i % 2 ? fields[i] : open < 0 ? QString() : fields[i].mid(open));
    }
    return patterns;
}

} // namespace

TEST(Translations, EveryMessageTranslatedWithItsPlaceholdersAndPatterns) {
    const QStringList languages = TsLanguages();
    ASSERT_FALSE(languages.isEmpty());
    EXPECT_EQ(TranslatedLanguages(), languages) << "every translation is compiled in";
    for (const QString& language : languages) {
        const std::vector<Message> messages =
            ReadTs(QStringLiteral(SLIDORA_TRANSLATIONS_DIR "/slidora_%1.ts").arg(language));
        EXPECT_GT(messages.size(), 100u) << language.toStdString();
        for (const Message& m : messages) {
            SCOPED_TRACE(QStringLiteral("%1 %2: %3").arg(language, m.context, m.source).toStdString());
            EXPECT_FALSE(m.unfinished);
            EXPECT_FALSE(m.translation.trimmed().isEmpty());
            EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source));
            EXPECT_EQ(m.translation.endsWith(QLatin1Char('\n')), m.source.endsWith(QLatin1Char('\n')));
            if (m.source.contains(QLatin1Char('|'))) EXPECT_EQ(FilterPatterns(m.translation), FilterPatterns(m.source));
            if (m.source.contains(QLatin1Char('&'))) EXPECT_EQ(m.translation.count(QLatin1Char('&')), 1);
        }
    }
}

TEST(Translations, LoadedForTheLocaleWithQtsOwnAndGoneWithTheirOwner) {
    const QString english = TFormMain::tr("&Game");
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    {
        const Translations german(QLocale(QStringLiteral("de_DE")));
        EXPECT_EQ(german.Language(), QStringLiteral("de"));
        EXPECT_NE(TFormMain::tr("&Game"), english);
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes) << "Qt's own buttons too";
    }
    EXPECT_EQ(TFormMain::tr("&Game"), english);
    for (const char* name : {"C", "en_US", "ja_JP"}) {
        const Translations none{QLocale(QLatin1String(name))};
        EXPECT_TRUE(none.Language().isEmpty()) << name;
        EXPECT_EQ(TFormMain::tr("&Game"), english) << name;
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes) << name;
    }
}

namespace {

// Each menu of the window (the bar first) as its items' object names and
// mnemonic letters.
using Mnemonics = std::map<QString, std::map<QString, QChar>>;

QChar MnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toUpper();
            ++i;
        }
    return {};
}

void Collect(const QString& name, const QList<QAction*>& actions, Mnemonics& menus) {
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        const QString item = action->menu() ? action->menu()->objectName() : action->objectName();
        menus[name][item] = MnemonicOf(action->text());
        if (action->menu()) Collect(item, action->menu()->actions(), menus);
    }
}

Mnemonics MenuMnemonics() {
    TestWindow window;
    Mnemonics menus;
    Collect(QStringLiteral("MainMenu1"), window.form->menuBar()->actions(), menus);
    return menus;
}

} // namespace

TEST(Translations, NoTwoItemsOfAMenuShareAMnemonicUnlessTheyDoInEnglish) {
    const Mnemonics english = MenuMnemonics();
    ASSERT_GE(english.size(), 6u);
    for (const QString& language : TsLanguages()) {
        const Translations translation{QLocale(language)};
        ASSERT_EQ(translation.Language(), language);
        const Mnemonics translated = MenuMnemonics();
        for (const auto& [menu, items] : translated) {
            for (auto a = items.begin(); a != items.end(); ++a) {
                SCOPED_TRACE((language + QLatin1Char(' ') + menu + QLatin1Char(' ') + a->first).toStdString());
                EXPECT_FALSE(a->second.isNull()) << "every item has a mnemonic";
                for (auto b = std::next(a); b != items.end(); ++b)
                    if (a->second == b->second)
                        EXPECT_EQ(english.at(menu).at(a->first), english.at(menu).at(b->first))
                            << b->first.toStdString() << " shares " << QString(a->second).toStdString();
            }
        }
    }
}

namespace {

// A 4 x 4 numeric board, unshuffled and running: the client area's picture
// and where the Right arrow key takes the blank.
struct BoardSeen {
    QImage client;
    int blankColumnAfterRight = -1;
    bool mirrored = false;
};

BoardSeen PlayOneKey() {
    TestWindow window;
    TestForm& form = window.Show();
    form.SetLevel(1); // the blank at the bottom right, no stones
    form.Puzzle->SetSize(4, 4);
    EXPECT_TRUE(form.OpenPicture(QStringLiteral("Numeric")));
    form.GameStopped = false;
    BoardSeen seen;
    seen.mirrored = form.isRightToLeft() && form.menuBar()->isRightToLeft() && form.statusBar()->isRightToLeft();
    seen.client = form.ClientArea()->grab().toImage();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_Right);
    seen.blankColumnAfterRight = form.Puzzle->GetBlankColumn();
    return seen;
}

} // namespace

TEST(Translations, ArabicMirrorsTheWindowButNeitherTheBoardNorItsKeys) {
    const BoardSeen english = PlayOneKey();
    EXPECT_FALSE(english.mirrored);
    EXPECT_EQ(english.blankColumnAfterRight, 2) << "the tile left of the blank moves right";
    {
        const Translations arabic{QLocale(QStringLiteral("ar_EG"))};
        ASSERT_EQ(arabic.Language(), QStringLiteral("ar"));
        EXPECT_EQ(QGuiApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION",
                                             "Translate this string to the string 'LTR' in left-to-right languages or "
                                             "to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get "
                                             "proper widget layout."),
                  QStringLiteral("RTL"));
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        const BoardSeen rtl = PlayOneKey();
        EXPECT_TRUE(rtl.mirrored);
        // Texts no longer than the English ones leave the window as wide as in English (a right-to-left
        // menu bar's size hint is the window's width); the board and its tool bar stay where they are.
        EXPECT_EQ(rtl.client.size(), english.client.size());
        EXPECT_EQ(rtl.client.copy(english.client.rect()), english.client);
        EXPECT_EQ(rtl.blankColumnAfterRight, english.blankColumnAfterRight);
    }
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}
