#include "core/documents/SafeWrite.h"

#include <QFile>
#include <QSaveFile>

// Unbuffered: a buffered short write (a full disk, a size limit) would still be committed.
bool dateiAtomarSchreiben(const QString& pfad, const QByteArray& daten, QString* fehler)
{
    QSaveFile ziel(pfad);
    if (ziel.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (ziel.write(daten) != daten.size()) {
            if (fehler)
                *fehler = ziel.errorString();
            ziel.cancelWriting();
            return false;
        }
        if (ziel.commit())
            return true;
        if (fehler)
            *fehler = ziel.errorString();
        return false;
    }
    // A folder that takes no new files (shared, locked down, read-only for all
    // but this file) can still hold a file the user may write. Saving there
    // worked before it was made safe and must go on working, at the cost of the
    // old file's safety in that one case. A new file cannot be made there anyway.
    QFile direkt(pfad);
    const bool geschrieben = direkt.exists() &&
                             direkt.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) &&
                             direkt.write(daten) == daten.size();
    if (!geschrieben && fehler)
        *fehler = direkt.exists() ? direkt.errorString() : ziel.errorString();
    return geschrieben;
}
