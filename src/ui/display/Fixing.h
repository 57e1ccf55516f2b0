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
    // The display fixed or single as the state is.
    void zeigen();

private:
    FixEingaben eingaben() const;
    void einschalten();
    void ausschalten();
    void haelftenAufbauen(Modus rechts, Modus links);
    void einzelAufbauen(bool linksBearbeitet);
    void haelftenFaerben();
    void textFelderVerdoppeln();
    void untereReiheFuellen();
    void einzelAnzeigeFaerben();
    void einzelAnzeigeNeuMalen(bool linksBearbeitet);
    void textFelderZusammenlegen(bool linksBearbeitet);
    void untereReiheLeeren();
    void einzelAnzeigeZeigen();
    // The other half becomes the edited one; swaps when they differ.
    void seiteWechseln(bool links);
    void zurueckZurAltenFlaeche(const QString& text, bool links);

    DisplayHost& m_host;
    DisplayParts& m_parts;
    bool m_fixiertGezeigt = false; // the display shows two halves
    bool m_linksGezeigt = false;   // and the left one is edited
};
