#include "core/language/ControlTexts.h"

#include <array>

namespace
{

struct FeldNamen {
    Txt txt;
    const char* radioButton;
    const char* swatchOben;
    const char* swatchUnten;
    const char* werteOben; // stem of the upper value texts (+ "R", "G", "B", "Hex")
    const char* werteUnten;
};

constexpr std::array felder{
    FeldNamen{Txt::feldGross, "RadioButton1", "Panel4", "Panel8", "SGrOb", "SGrUn"},
    FeldNamen{Txt::feldLinks, "RadioButton2", "Panel5", "Panel9", "SKlObLi", "SKlUnLi"},
    FeldNamen{Txt::feldMitte, "RadioButton3", "Panel6", "Panel10", "SKlObMi", "SKlUnMi"},
    FeldNamen{Txt::feldRechts, "RadioButton4", "Panel7", "Panel11", "SKlOb", "SKlUn"},
};

constexpr std::array kanalEndungen{"R", "G", "B", "Hex"};

constexpr std::array felderAnzahl{Txt::felder3,  Txt::felder5,  Txt::felder7, Txt::felder9,
                                  Txt::felder11, Txt::felder13, Txt::felder15};
constexpr std::array hintergruende{Txt::hintergrundStandard, Txt::hintergrundWeiss, Txt::hintergrundGrau,
                                   Txt::hintergrundSchwarz};
constexpr std::array winkeltypen{Txt::winkelTyp1, Txt::winkelTyp2};

constexpr std::array<ComboTexte, 3> comboBoxen{{
    {"ComboBox1", felderAnzahl, 3, 8},
    {"ComboBox2", hintergruende, 0, 0},
    {"ComboBox3", winkeltypen, 0, 0},
}};

constexpr std::array testZeilen{Txt::testtext, Txt::testtextOptionen};
constexpr std::array<ZeilenTexte, 3> zeilenTexte{{
    {"RichEdit1", testZeilen},
    {"RichEdit2", testZeilen},
    {"RichEdit3", testZeilen},
}};

} // namespace

std::vector<ControlText> hauptfensterTexte()
{
    std::vector<ControlText> r;
    for (const FeldNamen& f : felder) {
        for (const char* name : {f.radioButton, f.swatchOben, f.swatchUnten})
            r.push_back({QString::fromLatin1(name), Eigenschaft::hint, f.txt});
        for (const char* stamm : {f.werteOben, f.werteUnten})
            for (const char* endung : kanalEndungen)
                r.push_back(
                    {QString::fromLatin1(stamm) + QLatin1StringView(endung), Eigenschaft::hint, f.txt});
    }
    r.push_back({QStringLiteral("Button1"), Eigenschaft::text, Txt::zwischendatenKnopf});
    r.push_back({QStringLiteral("ComboBox2"), Eigenschaft::hint, Txt::hintergrundHint});
    r.push_back({QString::fromLatin1(statusPanel1Name), Eigenschaft::text, Txt::statusGrossAusgewaehlt});
    r.push_back(
        {QString::fromLatin1(statusPanel0Name), Eigenschaft::text, Txt::statusZweier, QStringLiteral("  ")});
    return r;
}

std::vector<ControlText> popupMenueTexte()
{
    const std::array<std::pair<const char*, Txt>, 12> eintraege{{
        {"Ausschneiden1", Txt::popupAusschneiden},
        {"Kopieren1", Txt::popupKopieren},
        {"Einfuegen1", Txt::popupEinfuegen},
        {"Zeichen1", Txt::popupZeichen},
        {"Links1", Txt::popupLinks},
        {"Rechts1", Txt::popupRechts},
        {"Zentriert1", Txt::popupZentriert},
        {"Klein1", Txt::popupKlein},
        {"Mittel1", Txt::popupMittel},
        {"Gro1", Txt::popupGross},
        {"Font1", Txt::popupSchriftart},
        {"Kopieren1a", Txt::kopieren},
    }};
    std::vector<ControlText> r;
    for (const auto& [name, txt] : eintraege)
        r.push_back({QString::fromLatin1(name), Eigenschaft::text, txt});
    return r;
}

std::span<const ComboTexte> hauptfensterComboBoxen()
{
    return comboBoxen;
}

std::span<const ZeilenTexte> hauptfensterZeilenTexte()
{
    return zeilenTexte;
}

Txt modusStatusText(int modusNummer)
{
    constexpr std::array status{Txt::statusZweier, Txt::statusDreier, Txt::statusVierer,
                                Txt::statusAuffaecherung, Txt::statusFarbreihe};
    if (modusNummer < 0 || modusNummer >= static_cast<int>(status.size()))
        return Txt::statusZweier;
    return status[static_cast<std::size_t>(modusNummer)];
}
