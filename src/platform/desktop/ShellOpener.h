#pragma once

#include <QList>
#include <QUrl>

#include <functional>

// Hands web addresses and local pages to the system's "open" action (the browser).
class ShellOpener
{
public:
    virtual ~ShellOpener() = default;
    // false when the system could not open it.
    virtual bool tryOpen(const QUrl& url) = 0;
    // Opens, and calls `failed` (at once or later, from the event loop) when the
    // system could not: a desktop without a browser starts its helper and only then fails.
    virtual void openOrReport(const QUrl& url, std::function<void()> failed)
    {
        if (!tryOpen(url) && failed)
            failed();
    }
};

// Opens nothing; remembers what it was asked to open. For tests.
class RecordingShellOpener : public ShellOpener
{
public:
    bool tryOpen(const QUrl& url) override
    {
        m_opened.append(url);
        return m_succeeds;
    }
    const QList<QUrl>& opened() const { return m_opened; }
    void setSucceeds(bool succeeds) { m_succeeds = succeeds; }

private:
    QList<QUrl> m_opened;
    bool m_succeeds = true;
};
