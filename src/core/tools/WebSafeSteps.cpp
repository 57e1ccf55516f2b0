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

WebFeld naechstesFeld(WebFeld aktuell, bool linksInUse, bool rechtsInUse, bool mitteInUse)
{
    switch (aktuell) {
    case WebFeld::gross:
        if (linksInUse)
            return WebFeld::links;
        return rechtsInUse ? WebFeld::rechts : WebFeld::gross;
    case WebFeld::links:
        return mitteInUse ? WebFeld::mitte : WebFeld::rechts;
    case WebFeld::mitte:
        return WebFeld::rechts;
    case WebFeld::rechts:
        break;
    }
    return WebFeld::gross;
}
