// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// A font dialog that, like the desktop's own, also chooses the colour and
// the underline and strike-out effects.
#pragma once

#include "Font.h"

#include <QDialog>

class QCheckBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class FontDialog : public QDialog {
    Q_OBJECT
public:
    FontDialog(QWidget* parent, const TFont& initial);
    TFont SelectedFont() const;

private:
    void ChooseColor();
    void UpdateSample();

    QFontComboBox* face;
    QSpinBox* size;
    QCheckBox* bold;
    QCheckBox* italic;
    QCheckBox* underline;
    QCheckBox* strikeOut;
    QPushButton* colorButton;
    QLabel* sample;
    uint32_t color;
};
