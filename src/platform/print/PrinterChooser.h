#pragma once

class QPrinter;
class QWidget;

// Where print jobs go. The program asks the user (the printer set-up dialog);
// tests hand over a printer that writes a PDF file.
class PrinterChooser
{
public:
    virtual ~PrinterChooser() = default;
    // A printer set up for the next job, or nullptr when the user cancels.
    // The printer stays owned by the chooser.
    virtual QPrinter* setUpPrinter(QWidget* parent) = 0;
};
