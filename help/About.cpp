// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "About.h"

#include "ProgramIcon.h"
#include "Version.h"
#include "WebAddresses.h"
#include "platform/GrowToFit.h"
#include "platform/Shell.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QFile>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TLinkLabel::TLinkLabel(const QString& text, std::function<void()> onClick, QWidget* parent)
    : QLabel(text, parent), OnClick(std::move(onClick)) {
    setWordWrap(true); // a long address wraps instead of being cut off
    if (!OnClick) return;
    // The desktop's own link colour, readable on its light or dark palette.
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Link));
    setPalette(colours);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (OnClick && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) OnClick();
}

namespace {

// A link to the maker's home page, or the name alone in a build without one.
TLinkLabel* MakerLink(const QString& name, std::function<void()> onClick, QWidget* parent) {
    const QString address = WebAddresses::MakerHomePage();
    return new TLinkLabel(WebAddresses::LinkText(name, address), address.isEmpty() ? nullptr : std::move(onClick),
                          parent);
}

} // namespace

TFormAbout::TFormAbout(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(tr("About"));
    BuildProgramGroup();
    BuildCreditsGroup();
    BitBtn1 = new QPushButton(tr("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setFixedSize(QSize(75, 25).expandedTo(RoomForText(*BitBtn1))); // larger for a longer text
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->addWidget(GroupBox1);
    column->addWidget(GroupBox2);
    column->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    setFixedSize(ClientWidth, column->totalHeightForWidth(ClientWidth));
    BitBtn1->setFocus();
}

void TFormAbout::BuildProgramGroup() {
    GroupBox1 = new QGroupBox(this);
    ProgramIconImage = new QLabel(GroupBox1);
    ProgramIconImage->setPixmap(ProgramIcon().pixmap(32, 32));
    ProgramIconImage->setFixedSize(32, 32);
    LabelName = new QLabel(QStringLiteral("Slidora"), GroupBox1);
    QFont bold = LabelName->font();
    bold.setBold(true);
    LabelName->setFont(bold);
    LabelVersion = new QLabel(tr("Version %1").arg(QStringLiteral(SLIDORA_VERSION)), GroupBox1);
    Label4 = MakerLink(QStringLiteral("Vantrel"), [this] { Label4Click(); }, GroupBox1);
    LabelLicence = new QLabel(
        tr("This program is free software under the GNU General Public License, version 3 or later."),
        GroupBox1);
    LabelLicence->setWordWrap(true);
    LicenceLink = new TLinkLabel(tr("Show the licence"), [this] { LicenceLinkClick(); }, GroupBox1);

    auto* grid = new QGridLayout(GroupBox1);
    grid->setHorizontalSpacing(12);
    grid->addWidget(ProgramIconImage, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(LabelName, 0, 1);
    grid->addWidget(LabelVersion, 1, 1);
    grid->addWidget(Label4, 2, 1);
    grid->addWidget(LabelLicence, 3, 0, 1, 2);
    grid->addWidget(LicenceLink, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

void TFormAbout::BuildCreditsGroup() {
    GroupBox2 = new QGroupBox(this);
    LabelJpeg = new QLabel(tr("This software is based in part on the work of the Independent JPEG Group."),
                           GroupBox2);
    LabelJpeg->setWordWrap(true);
    LabelPicturesCredit = new QLabel(tr("Stone texture, icon and glyphs drawn for the game by"), GroupBox2);
    LabelPicturesCredit->setWordWrap(true);
    Label7 = MakerLink(QStringLiteral("Vantrel Studio"), [this] { Label7Click(); }, GroupBox2);
    LabelMusicCredit = new QLabel(tr("The five music pieces composed for the game by"), GroupBox2);
    LabelMusicCredit->setWordWrap(true);
    Label11 = MakerLink(QStringLiteral("Vantrel Studio"), [this] { Label11Click(); }, GroupBox2);

    auto* column = new QVBoxLayout(GroupBox2);
    column->addWidget(LabelJpeg);
    column->addSpacing(6);
    column->addWidget(LabelPicturesCredit);
    column->addWidget(Label7);
    column->addSpacing(6);
    column->addWidget(LabelMusicCredit);
    column->addWidget(Label11);
}

void TFormAbout::Label4Click() { OpenPage(WebAddresses::MakerHomePage()); }

void TFormAbout::Label7Click() { OpenPage(WebAddresses::MakerHomePage()); }

void TFormAbout::Label11Click() { OpenPage(WebAddresses::MakerHomePage()); }

void TFormAbout::LicenceLinkClick() {
    TFormLicence licence(this);
    ShowLicence(licence);
}

void TFormAbout::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

TFormLicence::TFormLicence(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("FormLicence"));
    setWindowTitle(QStringLiteral("Licence"));
    Memo = new QPlainTextEdit(Text(), this);
    Memo->setReadOnly(true);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap); // the text is laid out in lines of its own
    Memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Wide enough for the text's lines, as tall as the screens of small laptops allow.
    const QFontMetrics metrics(Memo->font());
    Memo->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('M')) * 84, metrics.lineSpacing() * 30);
    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    CloseButton->setDefault(true);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Memo);
    column->addWidget(CloseButton, 0, Qt::AlignRight);
    CloseButton->setFocus();
}

QString TFormLicence::Text() {
    QFile file(QStringLiteral(":/licence/LICENSE"));
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("GNU General Public License, version 3 or later.");
    return QString::fromUtf8(file.readAll());
}
