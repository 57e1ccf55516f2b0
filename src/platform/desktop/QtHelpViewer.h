#pragma once

#include "platform/desktop/HelpViewer.h"

#include <QStringList>

#include <memory>

class HelpWindow;

// The help viewer on Qt Help. The help of each language is a compiled file
// "manual-de.qch" / "manual-en.qch" beside the address's "manual.chm", or in one of
// the program's data folders. Nothing is loaded before help is first asked for.
// Exported: the tests link the library and use it directly.
class Q_DECL_EXPORT QtHelpViewer : public HelpViewer
{
public:
    explicit QtHelpViewer(QStringList dataFolders);
    ~QtHelpViewer() override;

    bool htmlHelp(const QString& address, HelpCommand command, Language uiLanguage) override;

    // The help window once help was opened; nullptr before.
    HelpWindow* topWindow() const { return m_fenster.get(); }

    // "manual.chm" -> "manual-en.qch": the compiled help of a language.
    static QString qchName(const QString& helpFile, Language uiLanguage);

private:
    QString findQch(const QString& helpFile, Language uiLanguage) const;

    QStringList m_ordner;
    std::unique_ptr<HelpWindow> m_fenster;
};
