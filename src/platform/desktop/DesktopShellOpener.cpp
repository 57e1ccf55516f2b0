#include "platform/desktop/DesktopShellOpener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

bool DesktopShellOpener::tryOpen(const QUrl& url)
{
    return url.isValid() && QDesktopServices::openUrl(url);
}

void DesktopShellOpener::openOrReport(const QUrl& url, std::function<void()> failed)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // QDesktopServices only says whether xdg-open started; xdg-open's exit says whether
    // anything showed the page. Without xdg-open the system's own way is left.
    if (url.isValid() && !QStandardPaths::findExecutable(m_oeffner).isEmpty()) {
        auto* prozess = new QProcess(&m_prozesse);
        prozess->setStandardOutputFile(QProcess::nullDevice());
        prozess->setStandardErrorFile(QProcess::nullDevice());
        QObject::connect(prozess, &QProcess::finished, prozess,
                         [prozess, failed](int code, QProcess::ExitStatus status) {
                             if ((status != QProcess::NormalExit || code != 0) && failed)
                                 failed();
                             prozess->deleteLater();
                         });
        QObject::connect(prozess, &QProcess::errorOccurred, prozess,
                         [prozess, failed](QProcess::ProcessError errorBox) {
                             if (errorBox != QProcess::FailedToStart)
                                 return;
                             if (failed)
                                 failed();
                             prozess->deleteLater();
                         });
        prozess->start(m_oeffner, {url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
        return;
    }
#endif
    ShellOpener::openOrReport(url, std::move(failed));
}

int DesktopShellOpener::runningTotal() const
{
    return static_cast<int>(m_prozesse.findChildren<QProcess*>(Qt::FindDirectChildrenOnly).size());
}
