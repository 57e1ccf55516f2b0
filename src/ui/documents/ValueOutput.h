#pragma once

#include "core/documents/ValueExport.h"

#include <functional>
#include <memory>

class DisplayHost;
struct DisplayParts;
class PrinterChooser;
class TForm4;

// Getting all values out of the main window: printing, copying them all, and
// the intermediate values window.
class ValueOutput
{
public:
    ValueOutput(DisplayHost& host, DisplayParts& parts);
    ~ValueOutput();
    ValueOutput(const ValueOutput&) = delete;
    ValueOutput& operator=(const ValueOutput&) = delete;

    // Enables and connects the print and copy actions and Button1.
    void connectWidgets();

    void werteDruckenExecute();
    void alleWerteKopierenExecute();
    void Button1Click();

    // Where print jobs go (the printer set-up dialog unless a test replaces it).
    void setPrinterChooser(std::unique_ptr<PrinterChooser> chooser);
    PrinterChooser& drucker() { return *m_drucker; }
    // The intermediate values window opened last; nullptr before the first.
    TForm4* zwischendaten() const { return m_zwischendaten.get(); }

    // The text of all values and the page, as copying and printing make them.
    QString alleWerteText();
    DruckSeite alleWerteSeite();

private:
    // Runs `ausgeben` for the active combination and, when fixed, `trennen`
    // and `ausgeben` for the fixed one; the edited side and field are the
    // same afterwards. `ausgeben` gets whether the lower value row holds it.
    void beideKombinationen(const std::function<void(bool untereReihe)>& ausgeben,
                            const std::function<void()>& trennen);
    std::vector<FeldTexte> reihenWerte() const;
    std::array<FeldTexte, 4> feldListe(bool untereReihe) const;
    bool reihenModus() const;

    DisplayHost& m_host;
    DisplayParts& m_parts;
    std::unique_ptr<PrinterChooser> m_drucker;
    std::unique_ptr<TForm4> m_zwischendaten;
};
