#include "platform/desktop/LazyHelpViewer.h"

#include "platform/desktop/ProgramModules.h"

#include <QLibrary>
#include <QMessageBox>

LazyHelpViewer::LazyHelpViewer(QStringList dataFolders, QStringList libraryFolder)
    : m_datenOrdner(std::move(dataFolders)), m_bibliothekOrdner(std::move(libraryFolder))
{
}

LazyHelpViewer::~LazyHelpViewer()
{
    m_viewer.reset(); // before the library that holds its code
}

QStringList LazyHelpViewer::defaultLibraryFolders()
{
    return programLibraryFolders();
}

bool LazyHelpViewer::loadViewer()
{
    ProgramModule module =
        loadProgramModule(m_bibliothekOrdner, QStringLiteral("tinctora_help_viewer"), helpViewerFactoryName);
    m_fehler = module.error;
    if (!module.entry)
        return false;
    m_viewer.reset(reinterpret_cast<HelpViewerFactory>(module.entry)(m_datenOrdner));
    m_bibliothek = std::move(module.library);
    return m_viewer != nullptr;
}

bool LazyHelpViewer::htmlHelp(const QString& address, HelpCommand command, Language uiLanguage)
{
    if (!m_viewer && !loadViewer()) {
        // Reported like a missing help file: by the viewer, in a window of its own.
        auto* meldung = new QMessageBox(QMessageBox::Warning, QStringLiteral("Tinctora"),
                                        uiLanguage == Language::english
                                            ? QStringLiteral("The help viewer could not be loaded.")
                                            : QStringLiteral("Die Hilfe konnte nicht geladen werden."),
                                        QMessageBox::Ok);
        meldung->setObjectName(QStringLiteral("HelpViewerMissing"));
        meldung->setDetailedText(m_fehler);
        meldung->setAttribute(Qt::WA_DeleteOnClose);
        meldung->setAttribute(Qt::WA_QuitOnClose, false);
        meldung->show();
        return false;
    }
    return m_viewer->htmlHelp(address, command, uiLanguage);
}
