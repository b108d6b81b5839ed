// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "CanberraSound.h"

#include <QFileInfo>
#include <QLibrary>
#include <canberra.h>
#include <utility>

struct CanberraSound::Context {
    decltype(&ca_context_destroy) destroy;
    decltype(&ca_context_cancel) cancel;
    decltype(&ca_context_play) play;
    ca_context* context = nullptr;
};

CanberraSound::CanberraSound() = default;

CanberraSound::~CanberraSound() {
    if (context) context->destroy(context->context);
}

// Loads the library and makes the context, once.
bool CanberraSound::Ready() {
    if (std::exchange(tried, true)) return context != nullptr;
    QLibrary library(QStringLiteral("canberra"), 0); // stays loaded
    const auto create = reinterpret_cast<decltype(&ca_context_create)>(library.resolve("ca_context_create"));
    const auto changeProps =
        reinterpret_cast<decltype(&ca_context_change_props)>(library.resolve("ca_context_change_props"));
    auto made = std::make_unique<Context>(Context{
        reinterpret_cast<decltype(&ca_context_destroy)>(library.resolve("ca_context_destroy")),
        reinterpret_cast<decltype(&ca_context_cancel)>(library.resolve("ca_context_cancel")),
        reinterpret_cast<decltype(&ca_context_play)>(library.resolve("ca_context_play"))});
    if (!create || !changeProps || !made->destroy || !made->cancel || !made->play) return false;
    if (create(&made->context) != CA_SUCCESS) return false;
    changeProps(made->context, CA_PROP_APPLICATION_NAME, "Slidora", nullptr);
    context = std::move(made);
    return true;
}

void CanberraSound::Play(const QString& name) {
    if (!Ready()) return;
    ca_context* const c = context->context;
    // A new sound replaces the one playing, as with one channel for effects.
    context->cancel(c, 1);
    if (name == QLatin1String("SystemStart")) {
        // Not every theme has the log-in sound; the service log-in is close.
        if (context->play(c, 1, CA_PROP_EVENT_ID, "desktop-login", nullptr) != CA_SUCCESS)
            context->play(c, 1, CA_PROP_EVENT_ID, "service-login", nullptr);
        return;
    }
    const QByteArray file = QFile::encodeName(QFileInfo(name).absoluteFilePath());
    context->play(c, 1, CA_PROP_MEDIA_FILENAME, file.constData(), nullptr);
}
