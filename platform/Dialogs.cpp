// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Dialogs.h"

#include "FontDialog.h"
#include "WinColor.h"
#include "WindowPlacement.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>

std::optional<QString> IDialogs::OpenFile(QWidget* owner, const FileDialogOptions& options) {
    const std::optional<QStringList> files = OpenFiles(owner, options);
    if (!files || files->isEmpty()) return std::nullopt;
    return files->first();
}

QStringList ToNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses of the description.
        const int open = description.indexOf(QLatin1Char('('));
        if (open >= 0) description.truncate(open);
        filters << description.trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

MsgResult QtDialogs::MessageBox(QWidget* owner, const QString& text, MsgIcon icon, MsgButtons buttons) {
    QMessageBox box(owner);
    box.setWindowTitle(QStringLiteral("Slidora"));
    box.setText(text);
    box.setIcon(icon == MsgIcon::Stop       ? QMessageBox::Critical
                : icon == MsgIcon::Question ? QMessageBox::Question
                                            : QMessageBox::Information);
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Ok:
        return MsgResult::Ok;
    default:
        return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel;
    }
}

namespace {

// Over the owner's window, inside the usable area of its screen.
void PlaceOverOwner(QWidget& dialog, QWidget* owner) {
    const QWidget* window = owner ? owner->window() : nullptr;
    const QRect area = UsableAreaOf(window);
    PlaceWindow(dialog, window ? window->frameGeometry() : area, area, window);
}

void Configure(QFileDialog& dialog, const FileDialogOptions& options) {
    dialog.setWindowTitle(options.title);
    dialog.setNameFilters(ToNameFilters(options.filter));
    dialog.setDefaultSuffix(options.defaultExtension);
    if (!options.initialFolder.isEmpty()) dialog.setDirectory(options.initialFolder);
    if (!options.fileName.isEmpty()) dialog.selectFile(options.fileName);
    dialog.setOption(QFileDialog::ReadOnly, false);
}

} // namespace

// The panel goes beside the file list of Qt's own dialog.
PicturePreview* AddPicturePreview(QFileDialog& dialog, const PreviewMaker& maker) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) return nullptr;
    auto* preview = new PicturePreview(maker, &dialog);
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    // The current file changes with clicks and keys in the list; the name
    // field also when a name is typed.
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, &PicturePreview::ShowFile);
    if (const auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        QObject::connect(name, &QLineEdit::textChanged, preview, [&dialog, preview](const QString& text) {
            preview->ShowFile(dialog.directory().absoluteFilePath(text));
        });
    dialog.resize(dialog.sizeHint().expandedTo(QSize(760, 460)));
    return preview;
}

std::optional<QStringList> QtDialogs::OpenFiles(QWidget* owner, const FileDialogOptions& options) {
    QFileDialog dialog(owner);
    Configure(dialog, options);
    if (options.preview) AddPicturePreview(dialog, options.preview);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(options.multiSelect ? QFileDialog::ExistingFiles
                       : options.mustExist ? QFileDialog::ExistingFile
                                           : QFileDialog::AnyFile);
    PlaceOverOwner(dialog, owner);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles();
}

std::optional<QString> QtDialogs::SaveFile(QWidget* owner, const FileDialogOptions& options) {
    QFileDialog dialog(owner);
    Configure(dialog, options);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    PlaceOverOwner(dialog, owner);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<uint32_t> QtDialogs::ChooseColor(QWidget* owner, uint32_t initial) {
    QColorDialog dialog(ToQColor(initial), owner);
    PlaceOverOwner(dialog, owner);
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid()) return std::nullopt;
    return FromQColor(dialog.selectedColor());
}

std::optional<TFont> QtDialogs::ChooseFont(QWidget* owner, const TFont& initial) {
    FontDialog dialog(owner, initial);
    PlaceOverOwner(dialog, owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.SelectedFont();
}

std::optional<QString> QtDialogs::InputText(QWidget* owner, const QString& caption, const QString& prompt,
                                            const QString& initial, int maxLength) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    if (auto* edit = dialog.findChild<QLineEdit*>()) {
        edit->setMaxLength(maxLength);
        edit->selectAll();
    }
    // Centred on the screen rather than over its owner.
    dialog.adjustSize();
    const QRect area = UsableAreaOf(owner ? owner->window() : nullptr);
    const QScreen* screen = QGuiApplication::primaryScreen();
    PlaceWindow(dialog, screen ? screen->geometry() : area, area, owner ? owner->window() : nullptr);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

int QtDialogs::ShowModal(QDialog& form) { return form.exec(); }

MsgResult GuardedDialogs::MessageBox(QWidget* owner, const QString& text, MsgIcon icon, MsgButtons buttons) {
    before();
    return dialogs.MessageBox(owner, text, icon, buttons);
}

std::optional<QStringList> GuardedDialogs::OpenFiles(QWidget* owner, const FileDialogOptions& options) {
    before();
    return dialogs.OpenFiles(owner, options);
}

std::optional<QString> GuardedDialogs::SaveFile(QWidget* owner, const FileDialogOptions& options) {
    before();
    return dialogs.SaveFile(owner, options);
}

std::optional<uint32_t> GuardedDialogs::ChooseColor(QWidget* owner, uint32_t initial) {
    before();
    return dialogs.ChooseColor(owner, initial);
}

std::optional<TFont> GuardedDialogs::ChooseFont(QWidget* owner, const TFont& initial) {
    before();
    return dialogs.ChooseFont(owner, initial);
}

std::optional<QString> GuardedDialogs::InputText(QWidget* owner, const QString& caption, const QString& prompt,
                                                 const QString& initial, int maxLength) {
    before();
    return dialogs.InputText(owner, caption, prompt, initial, maxLength);
}

int GuardedDialogs::ShowModal(QDialog& form) {
    before();
    return dialogs.ShowModal(form);
}
