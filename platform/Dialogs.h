// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Message boxes, common dialogs and modal forms. Everything modal goes
// through this interface so tests can answer without a real modal loop.
#pragma once

#include "Font.h"
#include "PicturePreview.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

class QDialog;
class QWidget;

enum class MsgIcon { Stop, Question, Information };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgResult { Ok, Yes, No, Cancel };

// A file dialog. The filter pairs descriptions and patterns with vertical
// bars: "JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp".
struct FileDialogOptions {
    QString title;
    QString filter;
    QString defaultExtension; // without the dot; added when the name has none
    QString initialFolder;
    QString fileName;
    bool mustExist = false;
    bool multiSelect = false;
    PreviewMaker preview; // when set, the dialog shows a picture preview
};

class IDialogs {
public:
    virtual ~IDialogs() = default;

    // A message box captioned "Slidora".
    virtual MsgResult MessageBox(QWidget* owner, const QString& text, MsgIcon icon, MsgButtons buttons) = 0;
    // The chosen files, or nothing when cancelled.
    virtual std::optional<QStringList> OpenFiles(QWidget* owner, const FileDialogOptions& options) = 0;
    virtual std::optional<QString> SaveFile(QWidget* owner, const FileDialogOptions& options) = 0;
    virtual std::optional<uint32_t> ChooseColor(QWidget* owner, uint32_t initial) = 0;
    virtual std::optional<TFont> ChooseFont(QWidget* owner, const TFont& initial) = 0;
    // A one-line text input with OK and Cancel.
    virtual std::optional<QString> InputText(QWidget* owner, const QString& caption, const QString& prompt,
                                             const QString& initial, int maxLength) = 0;
    // Shows a form modally and returns its result (QDialog::Accepted or Rejected).
    virtual int ShowModal(QDialog& form) = 0;

    std::optional<QString> OpenFile(QWidget* owner, const FileDialogOptions& options);
};

// The real dialogs, on Qt widgets.
class QtDialogs final : public IDialogs {
public:
    MsgResult MessageBox(QWidget* owner, const QString& text, MsgIcon icon, MsgButtons buttons) override;
    std::optional<QStringList> OpenFiles(QWidget* owner, const FileDialogOptions& options) override;
    std::optional<QString> SaveFile(QWidget* owner, const FileDialogOptions& options) override;
    std::optional<uint32_t> ChooseColor(QWidget* owner, uint32_t initial) override;
    std::optional<TFont> ChooseFont(QWidget* owner, const TFont& initial) override;
    std::optional<QString> InputText(QWidget* owner, const QString& caption, const QString& prompt,
                                     const QString& initial, int maxLength) override;
    int ShowModal(QDialog& form) override;
};

// The dialogs of another interface, each after `before` has run (to stop
// what must not go on behind a dialog).
class GuardedDialogs final : public IDialogs {
public:
    GuardedDialogs(IDialogs& dialogs, std::function<void()> before) : dialogs(dialogs), before(std::move(before)) {}
    MsgResult MessageBox(QWidget* owner, const QString& text, MsgIcon icon, MsgButtons buttons) override;
    std::optional<QStringList> OpenFiles(QWidget* owner, const FileDialogOptions& options) override;
    std::optional<QString> SaveFile(QWidget* owner, const FileDialogOptions& options) override;
    std::optional<uint32_t> ChooseColor(QWidget* owner, uint32_t initial) override;
    std::optional<TFont> ChooseFont(QWidget* owner, const TFont& initial) override;
    std::optional<QString> InputText(QWidget* owner, const QString& caption, const QString& prompt,
                                     const QString& initial, int maxLength) override;
    int ShowModal(QDialog& form) override;

private:
    IDialogs& dialogs;
    std::function<void()> before;
};

// Adds the preview panel beside the file list of the dialog.
PicturePreview* AddPicturePreview(class QFileDialog& dialog, const PreviewMaker& maker);

// "A (*.a)|*.a|B (*.b)|*.b" as Qt's name filters "A (*.a)", "B (*.b)".
QStringList ToNameFilters(const QString& filter);
