#include "platform/print/DialogPrinterChooser.h"

#include <QCoreApplication>
#include <QDir>
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
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir::cleanPath(program + QStringLiteral("/../lib/tinctora"))};
}

bool DialogPrinterChooser::loadChooser()
{
    for (const QString& folder : m_libraryFolders) {
        auto library =
            std::make_unique<QLibrary>(QDir(folder).filePath(QStringLiteral("tinctora_print_dialog")));
        if (!library->load()) {
            m_error = library->errorString();
            continue;
        }
        const auto factory =
            reinterpret_cast<PrinterChooserFactory>(library->resolve(printerChooserFactoryName));
        if (!factory) {
            m_error = library->errorString();
            continue;
        }
        m_chooser.reset(factory());
        m_library = std::move(library);
        return m_chooser != nullptr;
    }
    return false;
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
