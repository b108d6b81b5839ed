// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The About box: the program's name, version and maker, its licence (with
// the licence's text on request), the JPEG library's acknowledgement and the
// credits, with links to their web pages.
#pragma once

#include <QDialog>
#include <QLabel>
#include "platform/Shell.h"

#include <functional>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;

// A label that looks and acts like a web link: in the link colour, underlined, a hand
// cursor, and a click runs its handler. Without a handler it is plain text.
class TLinkLabel : public QLabel {
public:
    TLinkLabel(const QString& text, std::function<void()> onClick, QWidget* parent);
    bool IsLink() const { return bool(OnClick); }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> OnClick;
};

// The licence's full text, compiled into the program, in a window of its own.
class TFormLicence : public QDialog {
    Q_OBJECT
public:
    explicit TFormLicence(QWidget* owner);
    static QString Text(); // the text of the LICENSE file

    QPlainTextEdit* Memo;
    QPushButton* CloseButton;
};

class TFormAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 283;

    explicit TFormAbout(QWidget* owner);

    // The maker's home page; the pictures and the music were made for the
    // game by the maker's studio, so their credits lead there too.
    void Label4Click();
    void Label7Click();
    void Label11Click();
    void LicenceLinkClick();

    QGroupBox* GroupBox1;
    QLabel* ProgramIconImage;
    QLabel* LabelName;
    QLabel* LabelVersion;
    TLinkLabel* Label4;
    QLabel* LabelLicence;
    TLinkLabel* LicenceLink;
    QGroupBox* GroupBox2;
    QLabel* LabelJpeg;
    QLabel* LabelPicturesCredit;
    TLinkLabel* Label7;
    QLabel* LabelMusicCredit;
    TLinkLabel* Label11;
    QPushButton* BitBtn1;
    // Opens a web page (the owner reports a failure).
    std::function<void(const QString&)> OpenPage = [](const QString& address) { OpenWebPage(address); };
    // Shows the licence's window modally (the owner passes it to its dialogs).
    std::function<void(QDialog&)> ShowLicence = [](QDialog& licence) { licence.exec(); };

protected:
    // The box has no Cancel: Esc leaves it open.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildProgramGroup();
    void BuildCreditsGroup();
};
