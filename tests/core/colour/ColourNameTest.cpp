#include "core/colour/ColourName.h"
#include "core/language/LanguageTable.h"

#include <gtest/gtest.h>

namespace
{

struct Named {
    QRgb colour;
    const char* en;
    const char* de;
};

// Colours whose names nobody would argue about (the web's named colours among them).
TEST(ColourName, NamesObviousColoursInBothLanguages)
{
    const LanguageTable en = LanguageTable::forLanguage(Language::english);
    const LanguageTable de = LanguageTable::forLanguage(Language::german);
    const Named cases[] = {
        {qRgb(0, 0, 0), "black", "Schwarz"},
        {qRgb(255, 255, 255), "white", "Weiß"},
        {qRgb(128, 128, 128), "gray", "Grau"},
        {qRgb(211, 211, 211), "light gray", "helles Grau"},
        {qRgb(255, 0, 0), "red", "Rot"},
        {qRgb(255, 165, 0), "orange", "Orange"},
        {qRgb(255, 255, 0), "yellow", "Gelb"},
        {qRgb(0, 128, 0), "dark green", "dunkles Grün"},
        {qRgb(0, 0, 139), "dark blue", "dunkles Blau"},
        {qRgb(173, 216, 230), "light blue", "helles Blau"},
        {qRgb(0x3C, 0x4A, 0x5E), "dark grayish blue", "dunkles gräuliches Blau"},
        {qRgb(139, 69, 19), "brown", "Braun"},
        {qRgb(255, 192, 203), "pink", "Rosa"},
        {qRgb(255, 0, 255), "magenta", "Magenta"},
    };
    for (const Named& c : cases) {
        EXPECT_EQ(colourName(c.colour, en), QString::fromUtf8(c.en))
            << qPrintable(QString::number(c.colour, 16));
        EXPECT_EQ(colourName(c.colour, de), QString::fromUtf8(c.de))
            << qPrintable(QString::number(c.colour, 16));
    }
}

} // namespace
