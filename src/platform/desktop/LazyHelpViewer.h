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
    // `datenOrdner`: where the help files are; `bibliothekOrdner`: where the library is.
    LazyHelpViewer(QStringList datenOrdner, QStringList bibliothekOrdner);
    ~LazyHelpViewer() override;

    bool htmlHelp(const QString& adresse, HilfeBefehl befehl, Sprache sprache) override;

    // The folders an installed or built program keeps the library in: its own
    // folder, then "<prefix>/lib/tinctora".
    static QStringList standardBibliothekOrdner();
    // The viewer once loaded; nullptr before the first call or when loading failed.
    HelpViewer* geladen() const { return m_viewer.get(); }

private:
    bool laden();

    QStringList m_datenOrdner;
    QStringList m_bibliothekOrdner;
    std::unique_ptr<QLibrary> m_bibliothek; // outlives the viewer it made
    std::unique_ptr<HelpViewer> m_viewer;
    QString m_fehler;
};

// The entry point of the library: a new Qt Help viewer on the given data folders.
using HelpViewerFabrik = HelpViewer* (*)(const QStringList& datenOrdner);
inline constexpr const char* helpViewerFabrikName = "tinctora_erzeuge_help_viewer";
