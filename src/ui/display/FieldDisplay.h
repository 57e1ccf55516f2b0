#pragma once

#include "core/harmony/FieldColours.h"
#include "core/state/Feld.h"

class ColourPanel;
class QColor;
class QTextEdit;
class StaticText;
class DisplayHost;

// Paints the fields from the state: panels, swatches, value texts, rich edits.
// It follows the document: what the recompute mixed or a light/dark move
// changed is painted once the change is announced.
class FieldDisplay : public PaintTarget
{
public:
    explicit FieldDisplay(DisplayHost& host);
    void connectWidgets();

    // Paints every field the state's mode shows, from the state.
    void allesMalen();

    // PaintTarget
    void GrosseFlaeche(int r, int g, int b) override;
    void KleineFlaecheA(int r, int g, int b) override;
    void KleineFlaecheB(int r, int g, int b) override;
    void KleineFlaecheC(int r, int g, int b) override;
    void KleineFlaecheN(int r, int g, int b, int n) override;

private:
    // The fields taking part (every field of a row), as the recompute mixed them.
    void teilnehmerMalen();
    // A small field: right, left or centre.
    void kleineFlaeche(Feld feld, int r, int g, int b);
    bool reihenModus() const;
    // The lower value row and the left-hand panels take the colours.
    bool linksBearbeitet() const;
    void panelFaerben(ColourPanel* panel, const QColor& farbe);
    void richEditHintergrund(QTextEdit* edit, const QColor& farbe);
    void richEditSchrift(QTextEdit* edit, const QColor& farbe);
    void werteSchreiben(StaticText* r, StaticText* g, StaticText* b, StaticText* hex, const QColor& farbe);
    // A typed colour the state shows on the field replaces r, g, b.
    void eingabeStattArgumenten(Feld feld, int& r, int& g, int& b) const;
    // The end of every painting routine: the Save action's enabled state is
    // the modified state.
    void gemalt();

    DisplayHost& m_host;
};
