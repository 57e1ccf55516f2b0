#pragma once

#include "platform/print/PrinterChooser.h"

#include <memory>

// The system's printer set-up dialog; on a machine without a printer it
// offers printing to a PDF file. The printer and its settings are kept for
// the next job.
class DialogPrinterChooser : public PrinterChooser
{
public:
    DialogPrinterChooser();
    ~DialogPrinterChooser() override;
    QPrinter* setUpPrinter(QWidget* parent) override;

private:
    // Made on first use: finding the printers is slow on some systems.
    std::unique_ptr<QPrinter> m_printer;
};
