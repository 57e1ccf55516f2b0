#pragma once

#include <QByteArray>
#include <QString>

// Written beside the target and renamed over it only when whole, so a failed
// write leaves the target as it was; `fehler` then says why. Settings files and
// exported palettes are saved so.
bool dateiAtomarSchreiben(const QString& pfad, const QByteArray& daten, QString* fehler = nullptr);
