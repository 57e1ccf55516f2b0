#pragma once

#include "core/harmony/FieldColours.h"
#include "core/harmony/RecomputeHooks.h"
#include "core/state/Feld.h"

class ColourPanel;
class QColor;
class QTextEdit;
class StaticText;
class DisplayHost;
struct DisplayParts;

// Paints what the recompute computed: field panels, swatches, value texts,
// rich edits; the window's implementation of the recompute hooks.
class FieldDisplay : public RecomputeHooks, public PaintTarget
{
public:
    FieldDisplay(DisplayHost& host, DisplayParts& parts);
    void connectWidgets();

    // The central recompute at band position p for the current mode.
    void datenHolen(int p, bool recolour);
    // Recomputes from the position of the first field taking part (the big
    // field when it moves with the right one).
    void datenHolenAmTeilnehmer();
    // Paints every field the state's mode shows, from the state.
    void allesMalen();

    // RecomputeHooks
    void farben() override;
    void farbenA() override;
    void winkelZeichnen() override;
    void bandMarkerVerschieben(int p) override;
    bool manualInputToOuterRowField() const override;

    // PaintTarget
    void GrosseFlaeche(int r, int g, int b) override;
    void KleineFlaecheA(int r, int g, int b) override;
    void KleineFlaecheB(int r, int g, int b) override;
    void KleineFlaecheC(int r, int g, int b) override;
    void KleineFlaecheN(int r, int g, int b, int n) override;

private:
    // A small field: right, left or centre.
    void kleineFlaeche(Feld feld, int r, int g, int b);
    bool reihenModus() const;
    // The lower value row and the left-hand panels take the colours.
    bool linksBearbeitet() const;
    void panelFaerben(ColourPanel* panel, const QColor& farbe);
    void richEditHintergrund(QTextEdit* edit, const QColor& farbe);
    void richEditSchrift(QTextEdit* edit, const QColor& farbe);
    void werteSchreiben(StaticText* r, StaticText* g, StaticText* b, StaticText* hex, const QColor& farbe);
    // A colour typed into the manual input dialog, while it is applied, replaces r, g, b.
    void eingabeStattArgumenten(int& r, int& g, int& b) const;
    // The end of every painting routine: the Save action's enabled state is
    // the modified state.
    void gemalt();

    DisplayHost& m_host;
    DisplayParts& m_parts;
};
