#pragma once

class TForm1;
struct DisplayParts;

// The five harmony modes and the showing and hiding of fields.
class ModeActions
{
public:
    ModeActions(TForm1& form, DisplayParts& parts);
    void connectWidgets();

    void zweierHarmonienExecute();
    void dreierHarmonienExecute();
    void viererHarmonienExecute();
    void auffaecherungenExecute();
    void farbreihenExecute();

    void hideAll();
    void showZweier();
    void showDreier();
    void showVierer();
    void showAuffaecher();
    void hidePanels();
    void showPanels();

    void ComboBox1Change();
    void checkBoxenResetten2();

    // Every field of the mode recomputed after a band type switch.
    void realistischLuminoesExecute();

private:
    TForm1& m_form;
    DisplayParts& m_parts;
};
