// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "fakes/TestWindow.h"
#include "help/About.h"
#include "help/HelpWindow.h"
#include "help/WebAddresses.h"
#include "platform/Translations.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QUrl>

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

THelpWindow* HelpWindow(TFormMain& form) { return form.findChild<THelpWindow*>(QString(), Qt::FindDirectChildrenOnly); }

} // namespace

TEST(Help, F1ShowsTheMissingPageThenTheFileOnceItIsThere) {
    TestWindow w;
    TestForm& form = w.Show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);

    THelpWindow* help = HelpWindow(form);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Slidora Help"));
    EXPECT_EQ(help->Browser->toPlainText().trimmed(),
              QStringLiteral("Slidora Help\nThe help file %1 cannot be found.").arg(w.Path(HelpFileName)));

    // The file comes, goes and comes back while the program runs.
    for (const bool present : {true, false, true}) {
        QFile file(w.Path(HelpFileName));
        if (present) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("<h1>Contents</h1><p><a href=\"#play\">How to play</a></p><a name=\"play\"></a>");
            file.close();
        } else {
            ASSERT_TRUE(file.remove());
        }
        help->close();
        form.HelpcontentsMenuClick();
        EXPECT_EQ(HelpWindow(form), help) << "one help window, reused";
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->Browser->toPlainText().startsWith(QStringLiteral("Contents")), present);
    }
}

// Every link of the contents and the topics leads to a place in the file.
TEST(Help, EveryLinkOfTheHelpFileHasItsTarget) {
    QFile file(QStringLiteral(SLIDORA_HELP_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QStringList targets;
    for (const auto& match : QRegularExpression(QStringLiteral("name=\"([^\"]+)\"")).globalMatch(text))
        targets << match.captured(1);
    int links = 0;
    for (const auto& match : QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(text)) {
        EXPECT_TRUE(targets.contains(match.captured(1))) << match.captured(1).toStdString();
        ++links;
    }
    EXPECT_GE(links, 10);
}

// The help names every kind of picture the Open Image dialog offers.
TEST(Help, TheHelpFileNamesEveryPictureTypeTheGameOpens) {
    QFile file(QStringLiteral(SLIDORA_HELP_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(file.readAll());
    TestWindow w;
    const QString all = w.form->OpenPictureDialog.filter.section(QLatin1Char('|'), 1, 1);
    ASSERT_TRUE(all.contains(QLatin1String("*.webp")));
    for (const QString& pattern : all.split(QLatin1Char(';')))
        EXPECT_TRUE(help.contains(QStringLiteral("<tt>%1</tt>").arg(pattern.mid(1)))) << pattern.toStdString();
}

TEST(About, OnlyOkEnterAndTheCloseButtonCloseIt) {
    struct Case {
        const char* what;
        std::function<void(TFormAbout&)> act;
        bool closes;
    };
    const Case cases[] = {
        {"Esc", [](TFormAbout& box) { QTest::keyClick(box.focusWidget(), Qt::Key_Escape); }, false},
        {"Enter", [](TFormAbout& box) { QTest::keyClick(box.focusWidget(), Qt::Key_Return); }, true},
        {"keypad Enter", [](TFormAbout& box) { QTest::keyClick(box.focusWidget(), Qt::Key_Enter); }, true},
        {"OK", [](TFormAbout& box) { QTest::mouseClick(box.BitBtn1, Qt::LeftButton); }, true},
        {"close button", [](TFormAbout& box) { box.close(); }, true},
    };
    TestWindow w;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bool stillOpen = false;
        w.dialogs.forms.push_back([&](QDialog& form) {
            auto& box = dynamic_cast<TFormAbout&>(form);
            EXPECT_EQ(box.windowTitle(), QStringLiteral("About"));
            EXPECT_EQ(box.width(), TFormAbout::ClientWidth);
            c.act(box);
            stillOpen = box.isVisible();
            return box.result();
        });
        w.form->AboutMenuClick();
        EXPECT_EQ(stillOpen, !c.closes);
    }
}

// The licence line, and its full text through the dialogs, over the box
// that stays open behind it.
TEST(About, NamesTheLicenceAndShowsItsTextOnRequest) {
    TestWindow w;
    bool aboutOpenBehind = false;
    QString licenceTitle, licenceText;
    w.dialogs.forms.push_back([&](QDialog& form) {
        auto& box = dynamic_cast<TFormAbout&>(form);
        EXPECT_EQ(box.LabelLicence->text(),
                  QStringLiteral("This program is free software under the GNU General Public License, version 3 or later."));
        EXPECT_TRUE(box.LicenceLink->IsLink());
        QTest::mouseClick(box.LicenceLink, Qt::LeftButton);
        EXPECT_TRUE(box.isVisible()) << "the licence's window closed the box";
        return box.result();
    });
    w.dialogs.forms.push_back([&](QDialog& form) {
        auto& licence = dynamic_cast<TFormLicence&>(form);
        aboutOpenBehind = licence.parentWidget() && licence.parentWidget()->isVisible();
        licenceTitle = licence.windowTitle();
        licenceText = licence.Memo->toPlainText();
        QTest::mouseClick(licence.CloseButton, Qt::LeftButton);
        EXPECT_FALSE(licence.isVisible());
        return licence.result();
    });
    w.form->AboutMenuClick();
    EXPECT_EQ(w.dialogs.modalForms, 2);
    EXPECT_TRUE(aboutOpenBehind);
    EXPECT_EQ(licenceTitle, QStringLiteral("Licence"));
    EXPECT_TRUE(licenceText.contains(QStringLiteral("GNU GENERAL PUBLIC LICENSE\n                       Version 3, 29 June 2007")))
        << licenceText.left(200).toStdString();
    EXPECT_GT(licenceText.size(), 30000) << "the whole text, not the stand-in line";
}

namespace {

// Catches what the program hands to the desktop to open, so no browser starts.
class AddressCatcher : public QObject {
    Q_OBJECT
public:
    AddressCatcher() {
        for (const char* scheme : {"http", "https"}) QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "Open");
    }
    ~AddressCatcher() override {
        for (const char* scheme : {"http", "https"}) QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    Q_INVOKABLE void Open(const QUrl& address) { opened << address; }
    QList<QUrl> opened;
};

} // namespace

// Every address the Help menu and the About box can open resolves; a build
// without home pages shows the help's About page instead.
TEST(WebLinks, EveryAddressTheProgramOpensIsRealOrTheAboutPageShows) {
    AddressCatcher catcher;
    TestWindow w;
    TestForm& form = w.Show();
    ASSERT_TRUE(QFile::copy(QStringLiteral(SLIDORA_HELP_FILE), w.Path(HelpFileName)));
    for (QAction* item : {form.VantrelhomepageMenu, form.SlidorahomepageMenu, form.FreepicturesMenu}) item->trigger();
    TFormAbout about(&form);
    for (TLinkLabel* label : {about.Label4, about.Label7, about.Label11}) {
        EXPECT_EQ(label->IsLink(), !WebAddresses::MakerHomePage().isEmpty());
        QTest::mouseClick(label, Qt::LeftButton);
    }

    EXPECT_TRUE(catcher.opened.contains(QUrl(QLatin1String(WebAddresses::FreePicturesPage))));
    for (const QUrl& address : catcher.opened) {
        EXPECT_EQ(address.scheme(), "https") << address.toString().toStdString();
        EXPECT_FALSE(address.host().endsWith(".example")) << address.toString().toStdString();
    }
    const int homePages = int(!WebAddresses::MakerHomePage().isEmpty()) * 4 + int(!WebAddresses::GameHomePage().isEmpty());
    EXPECT_EQ(catcher.opened.size(), 1 + homePages);
    if (homePages < 5) {
        THelpWindow* help = HelpWindow(form);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->Browser->source().fragment(), QLatin1String(WebAddresses::AboutTopic));
        EXPECT_TRUE(help->Browser->toPlainText().contains("Vantrel"));
    }
}

#include "HelpTests.moc"

// Every command of the Game menu is described, under its own name and with
// its shortcut key.
TEST(Help, TheHelpFileDescribesEveryGameCommandAndItsKey) {
    QFile file(QStringLiteral(SLIDORA_HELP_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(file.readAll());
    TestWindow w;
    for (const QAction* action : w.form->Game1->actions()) {
        if (action->isSeparator() || action->menu()) continue;
        const QString name = action->text().remove(QLatin1Char('&'));
        EXPECT_TRUE(help.contains(QStringLiteral("<b>%1</b>").arg(name))) << name.toStdString();
        const QString key = action->shortcut().toString(QKeySequence::NativeText);
        if (!key.isEmpty()) {
            EXPECT_TRUE(help.contains(QStringLiteral("(%1)").arg(key))) << key.toStdString();
        }
    }
}

// Without a browser to open a page (none under the offscreen platform), the
// player is told so, with the address.
TEST(WebLinks, APageNoBrowserCanOpenIsReported) {
    TestWindow w;
    TestForm& form = w.Show();
    form.FreepicturesMenu->trigger();
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_EQ(w.dialogs.messages[0].icon, MsgIcon::Stop);
    EXPECT_TRUE(w.dialogs.messages[0].text.contains(QLatin1String(WebAddresses::FreePicturesPage)));
}

namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

QStringList Captured(const QString& pattern, const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(pattern).globalMatch(text)) found << match.captured(1);
    return found;
}

// The translated help files the build puts beside the English one, by language.
QStringList HelpLanguages() {
    QStringList languages;
    for (const QString& file : QFileInfo(QStringLiteral(SLIDORA_HELP_FILE)).dir().entryList({"slidora.*.html"}))
        languages << file.section(QLatin1Char('.'), 1, 1);
    return languages;
}

} // namespace

// Each translation of the help has every topic of the English one, and names
// the commands, their keys and the window as the game shows them in that language.
TEST(Help, EachTranslatedHelpHasTheEnglishTopicsAndTheGamesOwnCaptions) {
    const QStringList topics = Captured(QStringLiteral("name=\"([^\"]+)\""), ReadText(SLIDORA_HELP_FILE));
    const QStringList languages = HelpLanguages();
    EXPECT_TRUE(languages.contains("de") && languages.contains("fr")) << languages.join(' ').toStdString();
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        const QString help = ReadText(QFileInfo(SLIDORA_HELP_FILE).dir().filePath("slidora." + language + ".html"));
        const QStringList targets = Captured(QStringLiteral("name=\"([^\"]+)\""), help);
        for (const QString& topic : topics) EXPECT_TRUE(targets.contains(topic)) << topic.toStdString();
        for (const QString& link : Captured(QStringLiteral("href=\"#([^\"]+)\""), help))
            EXPECT_TRUE(targets.contains(link)) << link.toStdString();

        const Translations translation{QLocale(language)};
        ASSERT_EQ(translation.Language(), language);
        EXPECT_TRUE(help.contains("<title>" + THelpWindow::tr("Slidora Help") + "</title>"));
        TestWindow w;
        for (const QAction* action : w.form->Game1->actions()) {
            if (action->isSeparator() || action->menu()) continue;
            const QString name = action->text().remove(QLatin1Char('&'));
            EXPECT_TRUE(help.contains("<b>" + name + "</b>")) << name.toStdString();
            const QString key = action->shortcut().toString(QKeySequence::NativeText);
            if (!key.isEmpty()) EXPECT_TRUE(help.contains("(" + key + ")")) << key.toStdString();
        }
        for (const QString& pattern : w.form->OpenPictureDialog.filter.section('|', 1, 1).split(';'))
            EXPECT_TRUE(help.contains("<tt>" + pattern.mid(1) + "</tt>")) << pattern.toStdString();
    }
}

// The help opens in the language the game's texts are shown in where its
// file is there (a regional language falling back to its language), else in English.
TEST(Help, OpensInTheGamesLanguageWhereThatHelpExistsElseInEnglish) {
    const struct {
        const char* locale;
        QString file, topic; // a topic's heading, read as UTF-8
    } cases[] = {{"de_DE", "slidora.de.html", "Über Slidora"}, {"fr_CA", "slidora.fr.html", "À propos de Slidora"},
                 {"pt_BR", "slidora.pt.html", "Ajuda"},        {"ru_RU", HelpFileName, "About Slidora"},
                 {"ja_JP", HelpFileName, "About Slidora"},     {"C", HelpFileName, "About Slidora"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        const Translations translation{QLocale(QLatin1String(c.locale))};
        TestWindow w;
        const QDir built = QFileInfo(QStringLiteral(SLIDORA_HELP_FILE)).dir();
        for (const QString& file : {HelpFileName, QStringLiteral("slidora.de.html"), QStringLiteral("slidora.fr.html")})
            ASSERT_TRUE(QFile::copy(built.filePath(file), w.Path(file)));
        QFile portuguese(w.Path("slidora.pt.html"));
        ASSERT_TRUE(portuguese.open(QIODevice::WriteOnly));
        portuguese.write("<a name=\"contents\"></a><h1>Ajuda</h1>");
        portuguese.close();

        w.form->HelpcontentsMenuClick();
        THelpWindow* help = HelpWindow(*w.form);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->Browser->source().fileName(), c.file);
        EXPECT_TRUE(help->Browser->toPlainText().contains(c.topic));
    }
}
