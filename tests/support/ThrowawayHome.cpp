#include "support/ThrowawayHome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

void useThrowawayHome()
{
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/tinctora-test-XXXXXX"));
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot create a throwaway home: %s\n",
                     qPrintable(home.errorString()));
        std::exit(2);
    }
    const QByteArray root = QFile::encodeName(home.path());
    QDir(home.path()).mkpath(QStringLiteral("config"));
    QDir(home.path()).mkpath(QStringLiteral("runtime"));
    // The runtime folder must belong to the user alone, or Qt ignores it.
    QFile::setPermissions(home.path() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    // Without a stored language the session's locale chooses it; the tests expect English
    // whatever the developer's desktop speaks. Programs the tests start inherit this.
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
}
