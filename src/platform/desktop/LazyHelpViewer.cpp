#include "platform/desktop/LazyHelpViewer.h"

#include <QCoreApplication>
#include <QDir>
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
    const QString programm = QCoreApplication::applicationDirPath();
    return {programm, QDir::cleanPath(programm + QStringLiteral("/../lib/tinctora"))};
}

bool LazyHelpViewer::loadViewer()
{
    for (const QString& folder : m_bibliothekOrdner) {
        auto bibliothek =
            std::make_unique<QLibrary>(QDir(folder).filePath(QStringLiteral("tinctora_help_viewer")));
        if (!bibliothek->load()) {
            m_fehler = bibliothek->errorString();
            continue;
        }
        const auto fabrik = reinterpret_cast<HelpViewerFactory>(bibliothek->resolve(helpViewerFactoryName));
        if (!fabrik) {
            m_fehler = bibliothek->errorString();
            continue;
        }
        m_viewer.reset(fabrik(m_datenOrdner));
        m_bibliothek = std::move(bibliothek);
        return m_viewer != nullptr;
    }
    return false;
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
