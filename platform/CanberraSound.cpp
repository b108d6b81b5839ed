#include "CanberraSound.h"

#include <QFileInfo>
#include <canberra.h>

CanberraSound::CanberraSound() {
    if (ca_context_create(&context) != CA_SUCCESS) {
        context = nullptr;
        return;
    }
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Slidora", nullptr);
}

CanberraSound::~CanberraSound() {
    if (context) ca_context_destroy(context);
}

void CanberraSound::Play(const QString& name) {
    if (!context) return;
    // A new sound replaces the one playing, as with one channel for effects.
    ca_context_cancel(context, 1);
    if (name == QLatin1String("SystemStart")) {
        // Not every theme has the log-in sound; the service log-in is close.
        if (ca_context_play(context, 1, CA_PROP_EVENT_ID, "desktop-login", nullptr) != CA_SUCCESS)
            ca_context_play(context, 1, CA_PROP_EVENT_ID, "service-login", nullptr);
        return;
    }
    const QByteArray file = QFile::encodeName(QFileInfo(name).absoluteFilePath());
    ca_context_play(context, 1, CA_PROP_MEDIA_FILENAME, file.constData(), nullptr);
}
