#pragma once

class QPagedPaintDevice;
class QWidget;

// Where print jobs go. The program asks the user (the printer set-up dialog);
// tests hand over a printer that writes a PDF file.
class PrinterChooser
{
public:
    virtual ~PrinterChooser() = default;
    // The page device of a printer set up for the next job, or nullptr when the user
    // cancels. Painting on it prints; it stays owned by the chooser.
    virtual QPagedPaintDevice* setUpPrinter(QWidget* parent) = 0;
};
