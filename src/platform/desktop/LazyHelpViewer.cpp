#include "platform/desktop/LazyHelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QMessageBox>

LazyHelpViewer::LazyHelpViewer(QStringList datenOrdner, QStringList bibliothekOrdner)
    : m_datenOrdner(std::move(datenOrdner)), m_bibliothekOrdner(std::move(bibliothekOrdner))
{
}

LazyHelpViewer::~LazyHelpViewer()
{
    m_viewer.reset(); // before the library that holds its code
}

QStringList LazyHelpViewer::standardBibliothekOrdner()
{
    const QString programm = QCoreApplication::applicationDirPath();
    return {programm, QDir::cleanPath(programm + QStringLiteral("/../lib/tinctora"))};
}

bool LazyHelpViewer::laden()
{
    for (const QString& ordner : m_bibliothekOrdner) {
        auto bibliothek = std::make_unique<QLibrary>(QDir(ordner).filePath(QStringLiteral("tinctora_help_viewer")));
        if (!bibliothek->load()) {
            m_fehler = bibliothek->errorString();
            continue;
        }
        const auto fabrik = reinterpret_cast<HelpViewerFabrik>(bibliothek->resolve(helpViewerFabrikName));
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

bool LazyHelpViewer::htmlHelp(const QString& adresse, HilfeBefehl befehl, Sprache sprache)
{
    if (!m_viewer && !laden()) {
        // Reported like a missing help file: by the viewer, in a window of its own.
        auto* meldung = new QMessageBox(QMessageBox::Warning, QStringLiteral("Tinctora"),
                                        sprache == Sprache::englisch
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
    return m_viewer->htmlHelp(adresse, befehl, sprache);
}
