// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "WebAddresses.h"

#include "WebAddressConfig.h"

#include <QUrl>

namespace WebAddresses {

QString MakerHomePage() { return QStringLiteral(SLIDORA_MAKER_HOME_PAGE); }

QString GameHomePage() { return QStringLiteral(SLIDORA_GAME_HOME_PAGE); }

QString LinkText(const QString& name, const QString& address) {
    const QString host = QUrl(address).host();
    return host.isEmpty() ? name : name + QStringLiteral(" (") + host + QLatin1Char(')');
}

} // namespace WebAddresses
