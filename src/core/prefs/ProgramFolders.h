#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// The folders that may hold the program's data (help files, the tutorial), in the
// order they are searched: the program's own folder (a build tree keeps its data
// next to the executable), then "<prefix>/share/tinctora" of an installed program.
QStringList programDataFolders();

// The first of the folders in which `relative` exists; empty when none has it.
QString findInFolders(const QStringList& folder, const QString& relative);

// A page name of the tutorial table ("farben\rot.htm") as a relative path ("farben/rot.htm").
QString relativeTutorialPage(const QString& page);

// The page below a stored start-page path: the path with every "index.html" (exact
// case) replaced by the page. Whether it exists is the caller's to check.
QString tutorialPageFromPath(const QString& tutorialPfad, const QString& page);

// What the shell is handed for a path or address: a web or mail address as it
// is, anything else as a local file.
QUrl asUrl(const QString& pathOrUrl);
