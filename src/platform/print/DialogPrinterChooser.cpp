#include "platform/print/DialogPrinterChooser.h"

#include "platform/desktop/ProgramModules.h"

#include <QLibrary>
#include <QMessageBox>

DialogPrinterChooser::DialogPrinterChooser(std::function<QString()> missingMessage,
                                           QStringList libraryFolders)
    : m_missingMessage(std::move(missingMessage)), m_libraryFolders(std::move(libraryFolders))
{
}

DialogPrinterChooser::~DialogPrinterChooser()
{
    m_chooser.reset(); // before the library that holds its code
}

QStringList DialogPrinterChooser::defaultLibraryFolders()
{
    return programLibraryFolders();
}

bool DialogPrinterChooser::loadChooser()
{
    ProgramModule module = loadProgramModule(m_libraryFolders, QStringLiteral("tinctora_print_dialog"),
                                             printerChooserFactoryName);
    m_error = module.error;
    if (!module.entry)
        return false;
    m_chooser.reset(reinterpret_cast<PrinterChooserFactory>(module.entry)());
    m_library = std::move(module.library);
    return m_chooser != nullptr;
}

QPagedPaintDevice* DialogPrinterChooser::setUpPrinter(QWidget* parent)
{
    if (m_chooser || loadChooser())
        return m_chooser->setUpPrinter(parent);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tinctora"), m_missingMessage(), QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("PrintDialogMissing"));
    box.setDetailedText(m_error);
    box.exec();
    return nullptr;
}
