#include "core/prefs/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList programmDatenOrdner()
{
    const QString programm = QCoreApplication::applicationDirPath();
    return {programm, QDir::cleanPath(programm + QStringLiteral("/../share/tinctora"))};
}

QString findeInOrdnern(const QStringList& ordner, const QString& relativ)
{
    for (const QString& o : ordner) {
        const QString pfad = QDir(o).filePath(relativ);
        if (QFileInfo::exists(pfad))
            return pfad;
    }
    return {};
}

QString tutorialSeiteRelativ(const QString& seite)
{
    return QString(seite).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString tutorialSeiteAusPfad(const QString& tutorialPfad, const QString& seite)
{
    QString seitePfad = tutorialSeiteRelativ(seite);
    // A path in the system's own notation keeps it.
    if (tutorialPfad.contains(QLatin1Char('\\')) && !tutorialPfad.contains(QLatin1Char('/')))
        seitePfad.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QString(tutorialPfad).replace(QStringLiteral("index.html"), seitePfad, Qt::CaseSensitive);
}

QUrl alsAdresse(const QString& pfadOderAdresse)
{
    if (pfadOderAdresse.contains(QStringLiteral("://")) ||
        pfadOderAdresse.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive))
        return QUrl(pfadOderAdresse);
    return QUrl::fromLocalFile(QDir::fromNativeSeparators(pfadOderAdresse));
}
