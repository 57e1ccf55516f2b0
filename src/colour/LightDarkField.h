#pragma once

class TForm1;
struct DisplayParts;

// The light/dark field on the window: cross-hair, percentages, colour and
// the mouse handling that sets the selected field's amounts.
class LightDarkField
{
public:
    LightDarkField(TForm1& form, DisplayParts& parts);
    void connectWidgets();

    void PaintBox3MouseDown(int x, int y);
    void PaintBox3MouseMove(int x, int y);
    void PaintBox3MouseUp();

    void bewegeHellDunkel(int x, int y);
    void setPfeil();
    void hellDunkelEinfaerben(int slotR, int slotG, int slotB);
    // Label1 and Label2 from the selected field's amounts.
    void prozenteZeigen();

private:
    TForm1& m_form;
    DisplayParts& m_parts;
};
