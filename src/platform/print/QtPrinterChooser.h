#pragma once

#include "platform/print/PrinterChooser.h"

#include <memory>

class QPrinter;

// The system's printer set-up dialog; on a machine without a printer it offers
// printing to a PDF file. The printer and its settings are kept for the next job.
// Lives in the library "tinctora_print_dialog" with Qt Print Support behind it.
class QtPrinterChooser : public PrinterChooser
{
public:
    QtPrinterChooser();
    ~QtPrinterChooser() override;
    QPagedPaintDevice* setUpPrinter(QWidget* parent) override;

private:
    // Made on first use: finding the printers is slow on some systems.
    std::unique_ptr<QPrinter> m_printer;
};
