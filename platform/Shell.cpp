// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

bool OpenWebPage(const QString& address) { return QDesktopServices::openUrl(QUrl(address)); }
