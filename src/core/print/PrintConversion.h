#pragma once

#include "core/colour/ColourFormats.h"
#include "core/print/PrintProfile.h"

#include <QRgb>
#include <QVector>

#include <memory>
#include <optional>

// Stored with the print profile preference: the values are fixed.
enum class PrintIntent {
    relativeColorimetric = 0, // with black-point compensation
    perceptual = 1,
};

// Farther than this (CIEDE2000) from itself after the round trip: out of the print gamut.
inline constexpr double printGamutLimit = 2.0;

struct PrintValue {
    Cmyk percent;                 // c, m, y, k in 0..100
    double roundTripDistance = 0; // CIEDE2000 between the colour and its round trip
    QRgb roundTrip = 0;           // sRGB -> CMYK -> sRGB: what the print shows of it
    bool outOfGamut() const { return roundTripDistance > printGamutLimit; }
};

// sRGB through one print profile and back, with both transforms built once.
class PrintConversion
{
public:
    // Empty when LittleCMS cannot build the transforms.
    static std::optional<PrintConversion> make(std::shared_ptr<const PrintProfile> profile,
                                               PrintIntent intent);

    PrintValue convert(QRgb colour) const;
    QVector<PrintValue> convert(const QVector<QRgb>& colours) const;

    const PrintProfile& profile() const { return *printProfile; }
    PrintIntent intent() const { return chosenIntent; }
    // Copies share their transforms; this tells one built conversion from another.
    const void* identity() const { return toCmyk.get(); }

private:
    PrintConversion() = default;
    std::shared_ptr<const PrintProfile> printProfile;
    PrintIntent chosenIntent = PrintIntent::relativeColorimetric;
    std::shared_ptr<void> toCmyk, fromCmyk;
};

// A percentage as shown and copied: one decimal, half to even ("43.6").
QString percentText(double percent);
