#pragma once

#include "ui/widgets/MainWidgets.h"

#include "core/harmony/FixSnapshot.h"

#include <QString>

enum class HarmonyMode : int;

class DisplayHost;
struct DisplayParts;

// Fixing: the combination is frozen in one half of the display while the
// other half is edited; a click into the frozen half swaps the two.
class Fixing
{
public:
    // The widgets this part draws or reads; no others.
    struct Widgets {
        FieldWidgets& fields;
    };

    Fixing(DisplayHost& host, Widgets widgets, DisplayParts& parts);
    // Enables and connects the fixieren action.
    void connectWidgets();

    void fixierenExecute();
    // Re-selects the field a status text names, in the right (left) half.
    void zurueckZurAltenFlaecheRe(const QString& text);
    void zurueckZurAltenFlaecheLi(const QString& text);
    // What the display shows now: two halves, and whether the left one is edited.
    bool fixedShown() const { return m_fixiertGezeigt; }
    bool leftShown() const { return m_linksGezeigt; }
    // Both halves take the single display's colours and texts.
    void fillHalves();
    // The single display takes the edited half's texts, and its colours when
    // withColours; the lower value row empties.
    void fillSingle(bool withColours);
    // The display now shows what the state says.
    void displayed();

private:
    void colourHalves();
    void duplicateTextFields();
    void colourSingleDisplay();
    void mergeTextFields(bool leftEdited);
    void zurueckZurAltenFlaeche(const QString& text, bool left);

    DisplayHost& m_host;

    Widgets m_w;
    DisplayParts& m_parts;
    bool m_fixiertGezeigt = false; // the display shows two halves
    bool m_linksGezeigt = false;   // and the left one is edited
};
