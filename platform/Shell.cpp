#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

bool OpenWebPage(const QString& address) { return QDesktopServices::openUrl(QUrl(address)); }
