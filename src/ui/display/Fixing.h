#pragma once

#include <QString>

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
    // Re-selects the field a status text names, in the right (left) half.
    void zurueckZurAltenFlaecheRe(const QString& text);
    void zurueckZurAltenFlaecheLi(const QString& text);

private:
    void zurueckZurAltenFlaeche(const QString& text, bool left);

    DisplayHost& m_host;
    DisplayParts& m_parts;
};
