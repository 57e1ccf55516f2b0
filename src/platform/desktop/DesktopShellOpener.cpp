#include "platform/desktop/DesktopShellOpener.h"

#include <QDesktopServices>

bool DesktopShellOpener::oeffnen(const QUrl& url)
{
    return url.isValid() && QDesktopServices::openUrl(url);
}
