#pragma once

#include "core/language/LanguageTable.h"

#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QTabWidget;

// Shows the pages of a compiled help file (Qt Help, ".qch"): relative left,
// pictures and the stylesheet come out of the file; other addresses go to the
// system's browser.
class Q_DECL_EXPORT HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    HelpBrowser(QHelpEngine* engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void linkClicked(const QUrl& url);

    QHelpEngine* m_engine;
};

// The help window: contents, index and full-text search on the left, the page on
// the right. It is a window of its own that does not keep the program running.
class Q_DECL_EXPORT HelpWindow : public QWidget
{
    Q_OBJECT

public:
    // `qch` is the help file of the language; empty when none was found, then
    // the window says which file it looked for (`wanted`).
    HelpWindow(const QString& qch, const QString& batch, Language uiLanguage, const QString& wanted);

    bool loaded() const { return m_geladen; }
    Language uiLanguage() const { return m_sprache; }
    // Shows the table of contents and the contents page.
    void showContents();
    // Shows one page by its topic path ("HTML/page06.htm"); false if the file has no such page.
    bool showTopic(const QString& topic);

    HelpBrowser* browser() const { return m_browser; }
    QTabWidget* tabs() const { return m_reiter; }
    QHelpEngine* engine() const { return m_engine; }
    // "qthelp://<namespace>/doc/" + topic path.
    QUrl topicUrl(const QString& topic) const;

private:
    void build(const QString& wanted);
    void bringToFront();
    void pageChanged(const QUrl& url);

    Language m_sprache;
    QHelpEngine* m_engine = nullptr;
    QString m_namensraum;
    bool m_geladen = false;
    bool m_indexGeplant = false;
    QTabWidget* m_reiter = nullptr;
    HelpBrowser* m_browser = nullptr;
};
