#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

class HelpViewer;
class LanguageTable;
class QWidget;
class ShellOpener;
class TAboutBox;
class TfRegistryForm;

// What the help actions need of the window.
class HelpHost
{
public:
    virtual ~HelpHost() = default;
    virtual QWidget& helpWindow() = 0;
    virtual const LanguageTable& uiLanguage() const = 0;
    virtual const QString& helpFile() const = 0;
    virtual TfRegistryForm* preferences() const = 0;
    virtual ShellOpener& shellOpener() = 0;
    virtual void showSettingsTutorial() = 0;
};

// The help menu (contents, info, update check), topic help for the
// dialogs, and the tutorial menu's common handler. Reaches the window for its
// language, its stored preferences, its shell and its settings dialog.
class HelpActions
{
public:
    explicit HelpActions(HelpHost& form);
    ~HelpActions();

    // F1: the help file's table of contents.
    void hilfeInhaltExecute();
    // A topic of the help file ("::HTML\page06.htm"), for the dialogs' help buttons.
    void showHelpTopic(const QString& topic);
    // The tutorial actions' handler; the action's tag (0..19) selects the page.
    void HtmlHelpExecute(int tag);
    // The about box, created on first use.
    void hilfeInfoExecute();
    // Asks, then opens the update-check page of the current language.
    void onlineCheckAufUpdateExecute();

    // The help viewer (Qt Help, loaded on first use, unless a test replaces it).
    void setHelpViewer(std::unique_ptr<HelpViewer> viewer);
    HelpViewer& helpViewer() { return *m_viewer; }
    // The folders searched for the tutorial (the program's data folders unless a test says otherwise).
    void setDataFolders(QStringList folder) { m_ordner = std::move(folder); }
    const QStringList& dataFolders() const { return m_ordner; }
    TAboutBox* aboutBox() const { return m_aboutBox.get(); }

private:
    // The page below the stored tutorial path; empty when it is a local file that is not there.
    QUrl savedPage(const TfRegistryForm& prefs, const QString& page) const;
    // The page of the tutorial in the program's data folders, whose start page it then
    // stores; empty when none has it.
    QUrl defaultPage(TfRegistryForm& prefs, const QString& page) const;
    // Yes, No or Cancel, under the caption "Frage" / "Question"; true for Yes.
    bool askYesNo(const QString& text);
    void reportNotOpened(const QUrl& address);

    HelpHost& m_form;
    std::unique_ptr<HelpViewer> m_viewer;
    QStringList m_ordner;
    std::unique_ptr<TAboutBox> m_aboutBox;
};
