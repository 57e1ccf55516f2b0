#include "platform/instance/InstanceNames.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace
{

// Unix socket paths must fit sockaddr_un (108 bytes on Linux, 104 elsewhere).
constexpr qsizetype maxSocketPathBytes = 100;

QString userTag()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    QString tag;
    for (const QChar c : user)
        tag += (c.isLetterOrNumber() || c == u'-' || c == u'_') ? c : QChar(u'_');
    return tag.isEmpty() ? QStringLiteral("user") : tag;
}

QString perUserFolder()
{
#if defined(Q_OS_WIN)
    // %TEMP% belongs to the user.
    return QDir::tempPath();
#else
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    const QString fallback = QDir::tempPath() + QStringLiteral("/tinctora-") + userTag();
    if (QDir().mkpath(fallback))
        QFile::setPermissions(fallback, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return fallback;
#endif
}

QString serverNameFor(const QString& folder, const QString& key)
{
#if defined(Q_OS_WIN)
    Q_UNUSED(folder);
    // Pipe names are machine-wide.
    return key + u'-' + userTag();
#else
    const QString path = folder + u'/' + key + QStringLiteral(".socket");
    if (path.toLocal8Bit().size() <= maxSocketPathBytes)
        return path;
    // Too long for a socket address: a short name in the temp folder, still per user and folder.
    const QByteArray hash =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir::tempPath() + u'/' + key + u'-' + userTag() + u'-' + QString::fromLatin1(hash);
#endif
}

} // namespace

QString defaultInstanceKey()
{
    return QStringLiteral("tinctora");
}

InstanceNames instanceNames(const QString& key)
{
    const QString folder = perUserFolder();
    QDir().mkpath(folder);
    return {folder + u'/' + key + QStringLiteral(".lock"), serverNameFor(folder, key)};
}
