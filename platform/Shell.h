// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Opens a web page in the user's browser. Tests catch the addresses with
// QDesktopServices::setUrlHandler, so no browser starts.
#pragma once

#include <QString>

// False when no browser could be started for it; an unreachable page is the
// browser's business.
bool OpenWebPage(const QString& address);
