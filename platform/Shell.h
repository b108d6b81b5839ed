// Opens a web page in the user's browser. Tests catch the addresses with
// QDesktopServices::setUrlHandler, so no browser starts.
#pragma once

#include <QString>

// The result is not checked: a missing browser or an unreachable page is
// the desktop's business.
void OpenWebPage(const QString& address);
