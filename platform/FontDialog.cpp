// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "FontDialog.h"

#include "WinColor.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

FontDialog::FontDialog(QWidget* parent, const TFont& initial)
    : QDialog(parent), face(new QFontComboBox(this)), size(new QSpinBox(this)), bold(new QCheckBox(tr("&Bold"), this)),
      italic(new QCheckBox(tr("&Italic"), this)), underline(new QCheckBox(tr("&Underline"), this)),
      strikeOut(new QCheckBox(tr("Stri&keout"), this)), colorButton(new QPushButton(tr("&Color..."), this)),
      sample(new QLabel(tr("AaBbYyZz 123"), this)), color(initial.Color) {
    setWindowTitle(tr("Font"));
    face->setCurrentFont(QFont(initial.Name));
    size->setRange(1, 999);
    size->setValue(initial.Size);
    bold->setChecked(initial.Bold);
    italic->setChecked(initial.Italic);
    underline->setChecked(initial.Underline);
    strikeOut->setChecked(initial.StrikeOut);
    sample->setMinimumSize(240, 60);
    sample->setAlignment(Qt::AlignCenter);
    sample->setFrameShape(QFrame::StyledPanel);

    auto* form = new QFormLayout;
    form->addRow(tr("&Font:"), face);
    form->addRow(tr("&Size:"), size);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    for (QWidget* w : {static_cast<QWidget*>(bold), static_cast<QWidget*>(italic), static_cast<QWidget*>(underline),
                       static_cast<QWidget*>(strikeOut), static_cast<QWidget*>(colorButton),
                       static_cast<QWidget*>(sample), static_cast<QWidget*>(buttons)})
        layout->addWidget(w);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(colorButton, &QPushButton::clicked, this, &FontDialog::ChooseColor);
    connect(face, &QFontComboBox::currentFontChanged, this, &FontDialog::UpdateSample);
    connect(size, &QSpinBox::valueChanged, this, &FontDialog::UpdateSample);
    for (QCheckBox* box : {bold, italic, underline, strikeOut})
        connect(box, &QCheckBox::toggled, this, &FontDialog::UpdateSample);
    UpdateSample();
}

TFont FontDialog::SelectedFont() const {
    TFont font;
    font.Name = face->currentFont().family();
    font.Size = size->value();
    font.Color = color;
    font.Bold = bold->isChecked();
    font.Italic = italic->isChecked();
    font.Underline = underline->isChecked();
    font.StrikeOut = strikeOut->isChecked();
    return font;
}

void FontDialog::ChooseColor() {
    const QColor chosen = QColorDialog::getColor(ToQColor(color), this);
    if (chosen.isValid()) color = FromQColor(chosen);
    UpdateSample();
}

void FontDialog::UpdateSample() {
    sample->setFont(SelectedFont().ToQFont());
    sample->setStyleSheet(QStringLiteral("color: %1").arg(ToQColor(color).name()));
}
