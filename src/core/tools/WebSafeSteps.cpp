#include "core/tools/WebSafeSteps.h"

StufenBereich stufenBereich(int vorschlag)
{
    switch (vorschlag) {
    case 0:
        return {2, 4};
    case 51:
        return {1, 4};
    case 204:
        return {0, 3};
    case 255:
        return {0, 2};
    default:
        return {0, 4};
    }
}

int stufeNachZug(int vorschlag, int stufe, int p)
{
    if ((vorschlag == 255 && p > stufe) || (vorschlag == 0 && p < stufe))
        return stufe;
    return p;
}

Feld naechstesFeld(Feld aktuell, bool linksInUse, bool rechtsInUse, bool mitteInUse)
{
    switch (aktuell) {
    case Feld::gross:
        if (linksInUse)
            return Feld::links;
        return rechtsInUse ? Feld::rechts : Feld::gross;
    case Feld::links:
        return mitteInUse ? Feld::mitte : Feld::rechts;
    case Feld::mitte:
        return Feld::rechts;
    case Feld::rechts:
        break;
    }
    return Feld::gross;
}
