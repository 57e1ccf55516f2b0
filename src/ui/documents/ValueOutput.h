#pragma once

#include "core/documents/ValueExport.h"

#include <functional>
#include <memory>

class LanguageTable;
struct MainState;
class PrinterChooser;
class QWidget;
class TForm4;

// Getting all values out of the main window: printing, copying them all, and
// the intermediate values window.
class ValueOutput
{
public:
    // `language` gives the interface language's table as it is at each call;
    // `resetStaticText` takes back a highlighted value before a dialog opens.
    ValueOutput(const MainState& state, std::function<const LanguageTable&()> language, QWidget& window,
                std::function<void()> resetStaticText);
    ~ValueOutput();
    ValueOutput(const ValueOutput&) = delete;
    ValueOutput& operator=(const ValueOutput&) = delete;

    void werteDruckenExecute();
    void alleWerteKopierenExecute();
    void Button1Click();

    // Where print jobs go (the printer set-up dialog unless a test replaces it).
    void setPrinterChooser(std::unique_ptr<PrinterChooser> chooser);
    PrinterChooser& printerChooser() { return *m_drucker; }
    // The intermediate values window opened last; nullptr before the first.
    TForm4* zwischendaten() const { return m_zwischendaten.get(); }

    // Where the next printed page starts.
    int printLine() const { return m_druckZeile; }

    // The text of all values and the page, as copying and printing make them.
    QString allValuesText();
    PrintPage allValuesPage();

private:
    const MainState& m_state;
    std::function<const LanguageTable&()> m_language;
    QWidget& m_window;
    std::function<void()> m_resetStaticText;
    std::unique_ptr<PrinterChooser> m_drucker;
    // Where the next printed page starts; the intermediate values window moves it too.
    int m_druckZeile = 300;
    std::unique_ptr<TForm4> m_zwischendaten;
};
