#pragma once

#include "core/state/ColourDocument.h"

#include "ui/dialogs/TOKBottomDlg1.h"
#include "ui/display/DrawnState.h"
#include "ui/widgets/MainWidgets.h"

#include "core/harmony/FieldColours.h"
#include "core/harmony/SameColour.h"
#include "core/state/Field.h"

#include <QColor>

#include <optional>

class ColourPanel;
class QTextEdit;
class StaticText;
class DisplayHost;
class PanelHold;

// How a value row's swatch looks: its colour (none: it shows the background)
// and whether it is hidden.
struct SwatchLook {
    std::optional<QColor> colour;
    bool hidden = false;
};

// Paints the fields from the state: panels, swatches, value texts, rich edits.
// It follows the document: what the recompute mixed or a light/dark move
// changed is painted once the change is announced.
class FieldDisplay : public PaintTarget
{
public:
    // The widgets this part draws or reads; no others.
    struct Widgets {
        FieldWidgets& fields;
        ValueRowWidgets& values;
    };

    FieldDisplay(DisplayHost& host, Widgets widgets, const PanelHold& panels);
    // Its share of the render pass: the fields a change mixed anew.
    void follow(Changes was, Redraw how);
    // The hex text a field's value row shows (the lower row: the left fixed half).
    QString valueHex(Field field, bool lowerRow) const;
    // Fields of the edited value row the mode does not use show "-"; swatches follow the mode.
    void prepareValueRows(HarmonyMode harmonyMode);
    void prepareValueRows(HarmonyMode harmonyMode, const MainState& s);
    // The lower value row copies the upper one, or empties (fixing on or off).
    void fillLowerRow();
    void clearLowerRow();
    // The edited half's field as shown (colour and R, G, B texts), and a web-safe
    // colour allocated to it by the conversion dialog.
    WebFieldDisplay shownField(Field field) const;
    void showAllocatedColour(Field field, const QColor& c);
    // The edited half's row as shown, each field with whether the user sees it.
    RowFields shownRow() const;
    // A field's swatch in a value row, as shown.
    SwatchLook swatch(Field field, bool lowerRow) const;

    // Paints every field the state's mode shows, from the state.
    void paintAll();
    // Paints another combination than the document's (the fixed half not edited).
    void paintAll(const MainState& s);

    // PaintTarget
    void GrosseFlaeche(int r, int g, int b) override;
    void KleineFlaecheA(int r, int g, int b) override;
    void KleineFlaecheB(int r, int g, int b) override;
    void KleineFlaecheC(int r, int g, int b) override;
    void KleineFlaecheN(int r, int g, int b, int n) override;

private:
    // The fields taking part (every field of a row), as the recompute mixed
    // them, and those recoloured earlier in the same change.
    void paintInvolvedFields(unsigned recoloured);
    // A small field: right, left or centre.
    void paintSmallField(Field field, int r, int g, int b);
    bool inRowsMode() const;
    // The lower value row and the left-hand panels take the colours.
    bool leftEdited() const;
    void paintPanel(ColourPanel* panel, const QColor& colourValue);
    void richEditBackground(QTextEdit* edit, const QColor& colourValue);
    void richEditTextColour(QTextEdit* edit, const QColor& colourValue);
    void writeValues(StaticText* r, StaticText* g, StaticText* b, StaticText* hex, const QColor& colourValue);
    // A typed colour the state shows on the field replaces r, g, b.
    void inputInsteadOfArguments(Field field, int& r, int& g, int& b) const;
    // The end of every painting routine: the Save action's enabled state is
    // the modified state.
    void painted();

    DisplayHost& m_host;

    Widgets m_w;
    const PanelHold& m_panels;
    DrawnState m_drawn;
};
