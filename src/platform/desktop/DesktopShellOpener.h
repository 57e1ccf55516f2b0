#pragma once

#include "platform/desktop/ShellOpener.h"

// The system's own "open": QDesktopServices.
class DesktopShellOpener : public ShellOpener
{
public:
    bool oeffnen(const QUrl& url) override;
};
