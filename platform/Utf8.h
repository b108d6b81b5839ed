// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// UTF-8 bytes as text, with a leading U+FEFF kept. QString::fromUtf8 takes
// it for a byte-order mark and drops it, so a name or value that begins with
// it would not read back as it was written.
#pragma once

#include <QString>
#include <QStringDecoder>

inline QString DecodeUtf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}
