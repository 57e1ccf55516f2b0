#include "cli/CommandLineRun.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

QProcessEnvironment ohneAnzeige()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QString());
    return env;
}

Lauf tinctora(const QStringList& arguments, const QString& folder, const QString& shell,
              const QProcessEnvironment& env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    if (shell.isEmpty())
        p.start(QStringLiteral(TINCTORA_PROGRAM), arguments);
    else
        p.start(QStringLiteral("/bin/sh"),
                QStringList{QStringLiteral("-c"), shell, QStringLiteral(TINCTORA_PROGRAM)} + arguments);
    // A window that opened would wait for the user: that is a failure here.
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        return {-1, p.readAllStandardOutput(), p.readAllStandardError()};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

QByteArray content(const QString& pathName)
{
    QFile f(pathName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
