#include "Dialogs.h"

#include "FontDialog.h"
#include "WinColor.h"

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
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles();
}

std::optional<QString> QtDialogs::SaveFile(QWidget* owner, const FileDialogOptions& options) {
    QFileDialog dialog(owner);
    Configure(dialog, options);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<uint32_t> QtDialogs::ChooseColor(QWidget* owner, uint32_t initial) {
    const QColor color = QColorDialog::getColor(ToQColor(initial), owner);
    if (!color.isValid()) return std::nullopt;
    return FromQColor(color);
}

std::optional<TFont> QtDialogs::ChooseFont(QWidget* owner, const TFont& initial) {
    FontDialog dialog(owner, initial);
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
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.move(screen->geometry().center() - dialog.rect().center());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

int QtDialogs::ShowModal(QDialog& form) { return form.exec(); }
