#pragma once

#include <QByteArray>
#include <QString>

// Written beside the target and renamed over it only when whole, so a failed
// write leaves the target as it was; `errorBox` then says why. Settings files and
// exported palettes are saved so.
bool writeFileAtomically(const QString& pathName, const QByteArray& payload, QString* errorBox = nullptr);
