#include "platform/print/QtPrinterChooser.h"

#include "core/documents/ValueExport.h"

#include <QPrintDialog>
#include <QPrinter>

QtPrinterChooser::QtPrinterChooser() = default;
QtPrinterChooser::~QtPrinterChooser() = default;

QPagedPaintDevice* QtPrinterChooser::setUpPrinter(QWidget* parent)
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(m_printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    m_printer->setDocName(QStringLiteral("Tinctora"));
    // A printer that keeps its own resolution still gets the same page: it is scaled.
    m_printer->setResolution(printResolution);
    return m_printer.get();
}

extern "C" Q_DECL_EXPORT PrinterChooser* tinctora_create_printer_chooser()
{
    return new QtPrinterChooser;
}
