#pragma once

#include "platform/print/PrinterChooser.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QLibrary;

// The system's printer set-up dialog. It lives in the library "tinctora_print_dialog"
// (QtPrinterChooser, with Qt Print Support, the printer discovery and its plug-ins
// behind it), which is loaded when printing is first asked for, so that none of it
// costs start-up time.
class DialogPrinterChooser : public PrinterChooser
{
public:
    // `missingMessage` gives the text shown, in the interface language of the moment,
    // when the library cannot be loaded.
    explicit DialogPrinterChooser(std::function<QString()> missingMessage,
                                  QStringList libraryFolders = defaultLibraryFolders());
    ~DialogPrinterChooser() override;
    QPagedPaintDevice* setUpPrinter(QWidget* parent) override;

    // The program's own folder, then "<prefix>/lib/tinctora".
    static QStringList defaultLibraryFolders();
    // The dialog's chooser once loaded; nullptr before the first job or when loading failed.
    PrinterChooser* loaded() const { return m_chooser.get(); }

private:
    bool loadChooser();

    std::function<QString()> m_missingMessage;
    QStringList m_libraryFolders;
    std::unique_ptr<QLibrary> m_library; // outlives the chooser it made
    std::unique_ptr<PrinterChooser> m_chooser;
    QString m_error;
};

// The entry point of the library: a new chooser that asks with the system's dialog.
using PrinterChooserFactory = PrinterChooser* (*)();
inline constexpr const char* printerChooserFactoryName = "tinctora_create_printer_chooser";
