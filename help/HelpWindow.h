// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The help viewer: one resizable window per owner, showing the HTML help
// file that sits beside the program, with a contents page and Back.
#pragma once

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// The help file's name in the program's folder.
inline const QString HelpFileName = QStringLiteral("slidora.html");

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
