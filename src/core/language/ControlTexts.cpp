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

constexpr std::array fields{
    FeldNamen{Txt::bigField, "RadioButton1", "Panel4", "Panel8", "SGrOb", "SGrUn"},
    FeldNamen{Txt::smallLeftField, "RadioButton2", "Panel5", "Panel9", "SKlObLi", "SKlUnLi"},
    FeldNamen{Txt::smallCentreField, "RadioButton3", "Panel6", "Panel10", "SKlObMi", "SKlUnMi"},
    FeldNamen{Txt::smallRightField, "RadioButton4", "Panel7", "Panel11", "SKlOb", "SKlUn"},
};

constexpr std::array channelSuffixes{"R", "G", "B", "Hex"};

constexpr std::array numberOfFields{Txt::fields3,  Txt::fields5,  Txt::fields7, Txt::fields9,
                                    Txt::fields11, Txt::fields13, Txt::fields15};
constexpr std::array backgroundTexts{Txt::backgroundDefault, Txt::backgroundWhite, Txt::backgroundGrey,
                                     Txt::backgroundBlack};
constexpr std::array angleTypes{Txt::angleType1, Txt::angleType2};

constexpr std::array<ComboTexts, 3> comboBoxes{{
    {"ComboBox1", numberOfFields, 3, 8},
    {"ComboBox2", backgroundTexts, 0, 0},
    {"ComboBox3", angleTypes, 0, 0},
}};

constexpr std::array testLines{Txt::testText, Txt::testTextOptions};
constexpr std::array<LineTexts, 3> lineTexts{{
    {"RichEdit1", testLines},
    {"RichEdit2", testLines},
    {"RichEdit3", testLines},
}};

} // namespace

std::vector<ControlText> mainWindowTexts()
{
    std::vector<ControlText> r;
    for (const FeldNamen& f : fields) {
        for (const char* name : {f.radioButton, f.swatchOben, f.swatchUnten})
            r.push_back({QString::fromLatin1(name), ControlProperty::hint, f.txt});
        r.push_back({QString::fromLatin1(f.radioButton), ControlProperty::accessibleName, f.txt});
        for (const char* stamm : {f.werteOben, f.werteUnten})
            for (const char* extension : channelSuffixes)
                r.push_back({QString::fromLatin1(stamm) + QLatin1StringView(extension), ControlProperty::hint,
                             f.txt});
    }
    r.push_back({QStringLiteral("Button1"), ControlProperty::text, Txt::intermediateValuesButton});
    r.push_back({QStringLiteral("ComboBox2"), ControlProperty::hint, Txt::backgroundHint});
    r.push_back({QString::fromLatin1(statusPanel1Name), ControlProperty::text, Txt::statusBigSelected});
    r.push_back({QString::fromLatin1(statusPanel0Name), ControlProperty::text, Txt::statusTwoColour,
                 QStringLiteral("  ")});
    return r;
}

std::vector<ControlText> popupMenuTexts()
{
    const std::array<std::pair<const char*, Txt>, 12> entryItems{{
        {"Ausschneiden1", Txt::popupCut},
        {"Kopieren1", Txt::popupCopy},
        {"Einfuegen1", Txt::popupPaste},
        {"Zeichen1", Txt::popupCharacters},
        {"Links1", Txt::popupLeft},
        {"Rechts1", Txt::popupRight},
        {"Zentriert1", Txt::popupCentred},
        {"Klein1", Txt::popupSmall},
        {"Mittel1", Txt::popupMedium},
        {"Gro1", Txt::popupLarge},
        {"Font1", Txt::popupFont},
        {"Kopieren1a", Txt::copyToClipboard},
    }};
    std::vector<ControlText> r;
    for (const auto& [name, txt] : entryItems)
        r.push_back({QString::fromLatin1(name), ControlProperty::text, txt});
    return r;
}

std::span<const ComboTexts> mainWindowComboBoxes()
{
    return comboBoxes;
}

std::span<const LineTexts> mainWindowRowTexts()
{
    return lineTexts;
}

Txt harmonyModeStatusText(int modeNumber)
{
    constexpr std::array status{Txt::statusTwoColour, Txt::statusThreeColour, Txt::statusFourColour,
                                Txt::statusFanning, Txt::statusColourRow};
    if (modeNumber < 0 || modeNumber >= static_cast<int>(status.size()))
        return Txt::statusTwoColour;
    return status[static_cast<std::size_t>(modeNumber)];
}
