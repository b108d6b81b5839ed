// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The best-times lists: one INI section per picture in a file per level and
// first letter of the picture's file name, and the dialog that shows them.
#pragma once

#include "BestTimes.h"

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QPushButton;
class QTreeWidget;

class TFormTimes : public QDialog {
    Q_OBJECT
public:
    explicit TFormTimes(QWidget* owner);

    // Chooses the file and section; call before anything else.
    void SelectList(const QString& folder, const std::optional<QString>& pictureName, int level);
    // Entry n as display text: grid, TAB, name, TAB, time; nothing when
    // there is none or it cannot be used.
    std::optional<QString> ReadEntry(int n) const;
    static void ParseGrid(const QString& text, int& rows, int& columns);
    static QString FormatTime(int seconds);
    static int ParseTime(const QString& text);
    bool IsBestTime(int columns, int rows, int seconds) const;
    // False when the time should have been written but could not be.
    bool StoreTime(int columns, int rows, const QString& name, int seconds);

    void FormShow();
    // Stores the names the player changed in the list; false when that
    // failed (the file stays as it was).
    bool BitBtn1Click();

    // The name a row showed when the list was filled.
    static constexpr int ShownNameRole = Qt::UserRole + 1;

    std::optional<QString> SectionName;
    QString ListFileName;

    QLabel* LabelTitle;
    QLabel* LabelFileName;
    QLabel* Label1;
    QLabel* LabelLevel;
    QPushButton* BitBtn1;
    QTreeWidget* ListView;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct NameChange {
        int rows, columns, seconds;
        QString name;
    };
    // The list as the file holds it now.
    TBestTimes List() const;
    QList<NameChange> ChangedNames() const;
    void FitColumns();
    void PlaceRowsBelowEachOther();
};
