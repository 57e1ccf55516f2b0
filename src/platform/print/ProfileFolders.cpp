#include "platform/print/ProfileFolders.h"

#include "core/print/PrintProfile.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

QStringList desktopProfileFolders(const QString& home)
{
    return {QStringLiteral("/usr/share/color/icc"), home + QStringLiteral("/.local/share/icc"),
            home + QStringLiteral("/.color/icc")};
}

QVector<FoundProfile> cmykProfilesIn(const QStringList& folders)
{
    QVector<FoundProfile> found;
    QSet<QString> seen;
    for (const QString& folder : folders) {
        QDirIterator files(folder, {QStringLiteral("*.icc"), QStringLiteral("*.icm")},
                           QDir::Files | QDir::Readable,
                           QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (files.hasNext()) {
            const QFileInfo file(files.next());
            const QString canonical = file.canonicalFilePath();
            if (seen.contains(canonical))
                continue;
            seen.insert(canonical);
            const ProfileLoad load = profileFromFile(file.filePath());
            if (!load.profile)
                continue;
            const QString description = load.profile->description();
            found.append({file.filePath(), description.isEmpty() ? file.fileName() : description});
        }
    }
    std::sort(found.begin(), found.end(), [](const FoundProfile& a, const FoundProfile& b) {
        return a.description.localeAwareCompare(b.description) < 0 ||
               (a.description == b.description && a.path < b.path);
    });
    return found;
}
