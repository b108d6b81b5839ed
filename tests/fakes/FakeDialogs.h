// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Scripted dialogs: every modal call is recorded and answered from the
// test's script, so no test ever waits on a real modal loop.
#pragma once

#include "platform/Dialogs.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>

struct ShownMessage {
    QString text;
    MsgIcon icon;
    MsgButtons buttons;
};

class FakeDialogs final : public IDialogs {
public:
    MsgResult MessageBox(QWidget*, const QString& text, MsgIcon icon, MsgButtons buttons) override {
        messages.push_back({text, icon, buttons});
        Opened();
        if (!answers.empty()) return Pop(answers);
        // Unscripted: the answer that changes least.
        return buttons == MsgButtons::Ok ? MsgResult::Ok : buttons == MsgButtons::YesNo ? MsgResult::No
                                                                                        : MsgResult::Cancel;
    }
    std::optional<QStringList> OpenFiles(QWidget*, const FileDialogOptions& options) override {
        fileDialogs.push_back(options);
        Opened();
        return files.empty() ? std::nullopt : Pop(files);
    }
    std::optional<QString> SaveFile(QWidget*, const FileDialogOptions& options) override {
        fileDialogs.push_back(options);
        Opened();
        if (files.empty()) return std::nullopt;
        const std::optional<QStringList> answer = Pop(files);
        return answer ? std::optional<QString>(answer->value(0)) : std::nullopt;
    }
    std::optional<uint32_t> ChooseColor(QWidget*, uint32_t initial) override {
        colorRequests.push_back(initial);
        Opened();
        return colors.empty() ? std::nullopt : Pop(colors);
    }
    std::optional<TFont> ChooseFont(QWidget*, const TFont& initial) override {
        fontRequests.push_back(initial);
        Opened();
        return fonts.empty() ? std::nullopt : Pop(fonts);
    }
    std::optional<QString> InputText(QWidget*, const QString& caption, const QString& prompt, const QString& initial,
                                     int maxLength) override {
        inputs.push_back({caption, prompt, initial, maxLength});
        Opened();
        return texts.empty() ? std::nullopt : Pop(texts);
    }
    int ShowModal(QDialog& form) override {
        ++modalForms;
        Opened();
        form.show(); // runs the form's show handler, as the real modal show does
        const int result = forms.empty() ? QDialog::Rejected : Pop(forms)(form);
        form.hide();
        return result;
    }

    struct Input {
        QString caption, prompt, initial;
        int maxLength;
    };

    // Scripts, consumed front first.
    std::deque<MsgResult> answers;
    std::deque<std::optional<QStringList>> files;
    std::deque<std::optional<uint32_t>> colors;
    std::deque<std::optional<TFont>> fonts;
    std::deque<std::optional<QString>> texts;
    std::deque<std::function<int(QDialog&)>> forms;
    // Runs while any modal dialog is open (for example to let time pass).
    std::function<void()> whileOpen;

    // What was shown.
    std::vector<ShownMessage> messages;
    std::vector<FileDialogOptions> fileDialogs;
    std::vector<uint32_t> colorRequests;
    std::vector<TFont> fontRequests;
    std::vector<Input> inputs;
    int modalForms = 0;

private:
    template <typename T> static T Pop(std::deque<T>& queue) {
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
    void Opened() {
        if (whileOpen) whileOpen();
    }
};
