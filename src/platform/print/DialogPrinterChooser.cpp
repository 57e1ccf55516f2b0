#include "platform/print/DialogPrinterChooser.h"

#include <QPrintDialog>
#include <QPrinter>

DialogPrinterChooser::DialogPrinterChooser() = default;
DialogPrinterChooser::~DialogPrinterChooser() = default;

QPrinter* DialogPrinterChooser::setUpPrinter(QWidget* parent)
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(m_printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return m_printer.get();
}
