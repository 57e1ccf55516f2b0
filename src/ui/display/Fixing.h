#pragma once

#include "core/harmony/FixSnapshot.h"

#include <QString>

enum class Modus : int;

class DisplayHost;
struct DisplayParts;

// Fixing: the combination is frozen in one half of the display while the
// other half is edited; a click into the frozen half swaps the two.
class Fixing
{
public:
    Fixing(DisplayHost& host, DisplayParts& parts);
    // Enables and connects the fixieren action.
    void connectWidgets();

    void fixierenExecute();
    void fixiertMerken();
    bool weichtVomFixStandAb() const;
    void fixiertAuslesen();
    // Read-back before a field of the right (left) half is selected.
    void fixiertAuslesenAlle();
    void fixiertAuslesenAlleLi();
    // Re-selects the field a status text names, in the right (left) half.
    void zurueckZurAltenFlaecheRe(const QString& text);
    void zurueckZurAltenFlaecheLi(const QString& text);
    // What the display shows now: two halves, and whether the left one is edited.
    bool fixiertGezeigt() const { return m_fixiertGezeigt; }
    bool linksGezeigt() const { return m_linksGezeigt; }
    // Both halves take the single display's colours and texts.
    void haelftenFuellen();
    // The single display takes the edited half's texts, and its colours when
    // mitFarben; the lower value row empties.
    void einzelFuellen(bool mitFarben);
    // The display now shows what the state says.
    void gezeigt();

private:
    FixEingaben eingaben() const;
    void einschalten();
    void ausschalten();
    void haelftenFaerben();
    void textFelderVerdoppeln();
    void untereReiheFuellen();
    void einzelAnzeigeFaerben();
    void textFelderZusammenlegen(bool linksBearbeitet);
    void untereReiheLeeren();
    // The other half becomes the edited one; swaps when they differ.
    void seiteWechseln(bool links);
    void zurueckZurAltenFlaeche(const QString& text, bool links);

    DisplayHost& m_host;
    DisplayParts& m_parts;
    bool m_fixiertGezeigt = false; // the display shows two halves
    bool m_linksGezeigt = false;   // and the left one is edited
};
