#pragma once

#include "platform/desktop/HelpViewer.h"

#include <QStringList>

#include <memory>

class QLibrary;

// The program's help viewer. The Qt Help viewer (QtHelpViewer, with Qt Help and
// Qt Sql behind it) lives in the library "tinctora_help_viewer", which is loaded
// only when help is first asked for, so that none of it costs start-up time.
class LazyHelpViewer : public HelpViewer
{
public:
    // `dataFolders`: where the help files are; `libraryFolder`: where the library is.
    LazyHelpViewer(QStringList dataFolders, QStringList libraryFolder);
    ~LazyHelpViewer() override;

    bool htmlHelp(const QString& address, HelpCommand command, Language uiLanguage) override;

    // The folders an installed or built program keeps the library in: its own
    // folder, then "<prefix>/lib/tinctora".
    static QStringList defaultLibraryFolders();
    // The viewer once loaded; nullptr before the first call or when loading failed.
    HelpViewer* loaded() const { return m_viewer.get(); }

private:
    bool loadViewer();

    QStringList m_datenOrdner;
    QStringList m_bibliothekOrdner;
    std::unique_ptr<QLibrary> m_bibliothek; // outlives the viewer it made
    std::unique_ptr<HelpViewer> m_viewer;
    QString m_fehler;
};

// The entry point of the library: a new Qt Help viewer on the given data folders.
using HelpViewerFactory = HelpViewer* (*)(const QStringList& dataFolders);
inline constexpr const char* helpViewerFactoryName = "tinctora_create_help_viewer";
