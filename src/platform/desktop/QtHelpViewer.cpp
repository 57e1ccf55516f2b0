#include "platform/desktop/QtHelpViewer.h"

#include "platform/desktop/HelpWindow.h"
#include "platform/desktop/LazyHelpViewer.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QtHelpViewer::QtHelpViewer(QStringList dataFolders) : m_ordner(std::move(dataFolders)) {}

QtHelpViewer::~QtHelpViewer() = default;

QString QtHelpViewer::qchName(const QString& helpFile, Language uiLanguage)
{
    const QString basis = QFileInfo(helpFile).completeBaseName();
    return (basis.isEmpty() ? QStringLiteral("manual") : basis) +
           (uiLanguage == Language::english ? QStringLiteral("-en.qch") : QStringLiteral("-de.qch"));
}

QString QtHelpViewer::findQch(const QString& helpFile, Language uiLanguage) const
{
    QStringList folder;
    if (!helpFile.isEmpty())
        folder << QFileInfo(helpFile).absolutePath();
    folder << m_ordner;
    const QString name = qchName(helpFile, uiLanguage);
    for (const QString& o : folder) {
        const QString pathName = QDir(o).filePath(name);
        if (QFileInfo::exists(pathName))
            return pathName;
    }
    return {};
}

bool QtHelpViewer::htmlHelp(const QString& address, HelpCommand command, Language uiLanguage)
{
    const HelpAddress a = splitHelpAddress(address);
    if (!m_fenster || m_fenster->uiLanguage() != uiLanguage) {
        const QString qch = findQch(a.fileItem, uiLanguage);
        // The collection (the viewer's own bookkeeping and search index) lives in
        // the user's cache; the help file itself is only read.
        const QString cache =
            QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/help");
        QDir().mkpath(cache);
        const QString batch = cache + QStringLiteral("/") +
                              QFileInfo(qchName(a.fileItem, uiLanguage)).completeBaseName() +
                              QStringLiteral(".qhc");
        m_fenster = std::make_unique<HelpWindow>(qch, batch, uiLanguage, qchName(a.fileItem, uiLanguage));
    }
    if (command == HelpCommand::topic && !a.topic.isEmpty())
        return m_fenster->showTopic(a.topic);
    m_fenster->showContents();
    return m_fenster->loaded();
}

// The entry point LazyHelpViewer resolves when help is first opened.
extern "C" Q_DECL_EXPORT HelpViewer* tinctora_create_help_viewer(const QStringList& dataFolders)
{
    return new QtHelpViewer(dataFolders);
}
