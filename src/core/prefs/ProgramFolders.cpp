#include "core/prefs/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList programDataFolders()
{
    const QString programm = QCoreApplication::applicationDirPath();
    return {programm, QDir::cleanPath(programm + QStringLiteral("/../share/tinctora"))};
}

QString findInFolders(const QStringList& folder, const QString& relative)
{
    for (const QString& o : folder) {
        const QString pathName = QDir(o).filePath(relative);
        if (QFileInfo::exists(pathName))
            return pathName;
    }
    return {};
}

QString relativeTutorialPage(const QString& page)
{
    return QString(page).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString tutorialPageFromPath(const QString& tutorialPfad, const QString& page)
{
    QString seitePfad = relativeTutorialPage(page);
    // A path in the system's own notation keeps it.
    if (tutorialPfad.contains(QLatin1Char('\\')) && !tutorialPfad.contains(QLatin1Char('/')))
        seitePfad.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QString(tutorialPfad).replace(QStringLiteral("index.html"), seitePfad, Qt::CaseSensitive);
}

QUrl asUrl(const QString& pathOrUrl)
{
    if (pathOrUrl.contains(QStringLiteral("://")) ||
        pathOrUrl.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive))
        return QUrl(pathOrUrl);
    return QUrl::fromLocalFile(QDir::fromNativeSeparators(pathOrUrl));
}
