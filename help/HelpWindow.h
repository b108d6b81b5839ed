// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The help viewer: one resizable window per owner, showing the HTML help
// file that sits beside the program, with a contents page and Back.
#pragma once

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// The English help file's name in the program's folder.
inline const QString HelpFileName = QStringLiteral("slidora.html");

// The help in the language ("de", "pt_BR") where the folder holds it, named
// with the language before ".html" ("slidora.de.html"; for "pt_BR", then
// "slidora.pt.html"); the English file otherwise.
QString HelpFileFor(const QString& folder, const QString& language);

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* owner);

    // Shows the window at the help file's contents page, or at the topic
    // with that anchor, or with a short page saying the file cannot be found.
    void ShowContents(const QString& helpFile, const QString& topic = QString());

    QPushButton* ButtonContents;
    QPushButton* ButtonBack;
    QTextBrowser* Browser;

private:
    void ShowMissingPage(const QString& helpFile);
};

// The owner's help window, made at the first call and reused after it.
THelpWindow& HelpWindowOf(QWidget* owner);
