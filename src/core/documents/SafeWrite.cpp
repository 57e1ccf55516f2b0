#include "core/documents/SafeWrite.h"

#include <QFile>
#include <QSaveFile>

// Unbuffered: a buffered short write (a full disk, a size limit) would still be committed.
bool writeFileAtomically(const QString& pathName, const QByteArray& payload, QString* errorBox)
{
    QSaveFile target(pathName);
    if (target.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (target.write(payload) != payload.size()) {
            if (errorBox)
                *errorBox = target.errorString();
            target.cancelWriting();
            return false;
        }
        if (target.commit())
            return true;
        if (errorBox)
            *errorBox = target.errorString();
        return false;
    }
    // A folder that takes no new files (shared, locked down, read-only for all
    // but this file) can still hold a file the user may write. Saving there
    // worked before it was made safe and must go on working, at the cost of the
    // old file's safety in that one case. A new file cannot be made there anyway.
    QFile direkt(pathName);
    const bool geschrieben =
        direkt.exists() && direkt.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) &&
        direkt.write(payload) == payload.size();
    if (!geschrieben && errorBox)
        *errorBox = direkt.exists() ? direkt.errorString() : target.errorString();
    return geschrieben;
}
