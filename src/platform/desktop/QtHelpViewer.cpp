#include "platform/desktop/QtHelpViewer.h"

#include "platform/desktop/HelpWindow.h"
#include "platform/desktop/LazyHelpViewer.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QtHelpViewer::QtHelpViewer(QStringList datenOrdner) : m_ordner(std::move(datenOrdner)) {}

QtHelpViewer::~QtHelpViewer() = default;

QString QtHelpViewer::qchName(const QString& hilfedatei, Sprache sprache)
{
    const QString basis = QFileInfo(hilfedatei).completeBaseName();
    return (basis.isEmpty() ? QStringLiteral("manual") : basis) +
           (sprache == Sprache::englisch ? QStringLiteral("-en.qch") : QStringLiteral("-de.qch"));
}

QString QtHelpViewer::findeQch(const QString& hilfedatei, Sprache sprache) const
{
    QStringList ordner;
    if (!hilfedatei.isEmpty())
        ordner << QFileInfo(hilfedatei).absolutePath();
    ordner << m_ordner;
    const QString name = qchName(hilfedatei, sprache);
    for (const QString& o : ordner) {
        const QString pfad = QDir(o).filePath(name);
        if (QFileInfo::exists(pfad))
            return pfad;
    }
    return {};
}

bool QtHelpViewer::htmlHelp(const QString& adresse, HilfeBefehl befehl, Sprache sprache)
{
    const HilfeAdresse a = zerlegeHilfeAdresse(adresse);
    if (!m_fenster || m_fenster->sprache() != sprache) {
        const QString qch = findeQch(a.datei, sprache);
        // The collection (the viewer's own bookkeeping and search index) lives in
        // the user's cache; the help file itself is only read.
        const QString cache =
            QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/help");
        QDir().mkpath(cache);
        const QString sammlung =
            cache + QStringLiteral("/") + QFileInfo(qchName(a.datei, sprache)).completeBaseName() +
            QStringLiteral(".qhc");
        m_fenster = std::make_unique<HelpWindow>(qch, sammlung, sprache, qchName(a.datei, sprache));
    }
    if (befehl == HilfeBefehl::thema && !a.thema.isEmpty())
        return m_fenster->zeigeThema(a.thema);
    m_fenster->zeigeInhalt();
    return m_fenster->geladen();
}

// The entry point LazyHelpViewer resolves when help is first opened.
extern "C" Q_DECL_EXPORT HelpViewer* tinctora_erzeuge_help_viewer(const QStringList& datenOrdner)
{
    return new QtHelpViewer(datenOrdner);
}
