#pragma once

#include "platform/desktop/ShellOpener.h"

#include <QObject>
#include <QString>

// The system's own "open": QDesktopServices; on desktops that hand the address to
// xdg-open, that program, so that its failure (no browser) is heard.
class DesktopShellOpener : public ShellOpener
{
public:
    // `opener`: the program that opens an address for the desktop.
    explicit DesktopShellOpener(QString opener = QStringLiteral("xdg-open")) : m_oeffner(std::move(opener)) {}

    bool tryOpen(const QUrl& url) override;
    void openOrReport(const QUrl& url, std::function<void()> failed) override;

    // Helpers started and not yet ended.
    int runningTotal() const;

private:
    QString m_oeffner;
    QObject m_prozesse; // parent of the running helpers
};
