#pragma once

#include <Qt>

class TForm1;
class StaticText;
struct DisplayParts;

// Selecting a field (the light/dark target), the radio buttons of separate
// adjustment, and the highlighted value text with its copy pop-up.
class FieldSelection
{
public:
    FieldSelection(TForm1& form, DisplayParts& parts);
    void connectWidgets();

    // Selection operations, also used by the program.
    void Anzeige_NormalClick2();
    void KleinRechtsClick2();
    void KleinLinksClick2();
    void KleinMitteClick2();

    // Click handlers of the panels.
    void Anzeige_NormalClick();
    void KleinRechtsClick();
    void KleinLinksClick();
    void KleinMitteClick();

    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();

    void StaticTextMouseDown(StaticText* text);
    void Kopieren1aExecute();
    void FormMouseDown();

private:
    TForm1& m_form;
    DisplayParts& m_parts;
};
