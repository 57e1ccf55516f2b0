#pragma once

#include "core/documents/ValueExport.h"

#include <memory>

class DisplayHost;
class PrinterChooser;
class TForm4;

// Getting all values out of the main window: printing, copying them all, and
// the intermediate values window.
class ValueOutput
{
public:
    explicit ValueOutput(DisplayHost& host);
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
    PrinterChooser& printerChooser() { return *m_drucker; }
    // The intermediate values window opened last; nullptr before the first.
    TForm4* zwischendaten() const { return m_zwischendaten.get(); }

    // The text of all values and the page, as copying and printing make them.
    QString allValuesText();
    PrintPage allValuesPage();

private:
    DisplayHost& m_host;
    std::unique_ptr<PrinterChooser> m_drucker;
    std::unique_ptr<TForm4> m_zwischendaten;
};
