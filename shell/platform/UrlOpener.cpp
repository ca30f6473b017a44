#include "UrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopUrlOpener::open(QWidget *, const QString &address)
{
    const QUrl url = QUrl::fromUserInput(address);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}
