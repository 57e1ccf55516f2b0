#include "platform/desktop/DesktopShellOpener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

bool DesktopShellOpener::oeffnen(const QUrl& url)
{
    return url.isValid() && QDesktopServices::openUrl(url);
}

void DesktopShellOpener::oeffnenOderMelden(const QUrl& url, std::function<void()> fehlgeschlagen)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // QDesktopServices only says whether xdg-open started; xdg-open's exit says whether
    // anything showed the page. Without xdg-open the system's own way is left.
    if (url.isValid() && !QStandardPaths::findExecutable(m_oeffner).isEmpty()) {
        auto* prozess = new QProcess(&m_prozesse);
        prozess->setStandardOutputFile(QProcess::nullDevice());
        prozess->setStandardErrorFile(QProcess::nullDevice());
        QObject::connect(prozess, &QProcess::finished, prozess,
                         [prozess, fehlgeschlagen](int code, QProcess::ExitStatus status) {
                             if ((status != QProcess::NormalExit || code != 0) && fehlgeschlagen)
                                 fehlgeschlagen();
                             prozess->deleteLater();
                         });
        QObject::connect(prozess, &QProcess::errorOccurred, prozess,
                         [prozess, fehlgeschlagen](QProcess::ProcessError fehler) {
                             if (fehler != QProcess::FailedToStart)
                                 return;
                             if (fehlgeschlagen)
                                 fehlgeschlagen();
                             prozess->deleteLater();
                         });
        prozess->start(m_oeffner, {url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
        return;
    }
#endif
    ShellOpener::oeffnenOderMelden(url, std::move(fehlgeschlagen));
}

int DesktopShellOpener::laufend() const
{
    return static_cast<int>(m_prozesse.findChildren<QProcess*>(Qt::FindDirectChildrenOnly).size());
}
