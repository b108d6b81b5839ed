#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

void OpenWebPage(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }
