#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// A CMYK output profile found on the disk.
struct FoundProfile {
    QString path;
    QString description; // the file's name when the profile has none
};

// Where desktops keep ICC profiles: the system's folder and the user's two.
QStringList desktopProfileFolders(const QString& home);

// Every readable CMYK output profile (.icc, .icm) in the folders and their
// subfolders, ordered by description; a file reached twice is listed once.
QVector<FoundProfile> cmykProfilesIn(const QStringList& folders);
