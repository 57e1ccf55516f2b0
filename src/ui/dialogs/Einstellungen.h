#pragma once

#include "platform/print/ProfileFolders.h"

#include <QDialog>

#include <functional>
#include <memory>

class FileDialogs;
class LanguageTable;
class PrintProfileSettings;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class ShellOpener;
class TfRegistryForm;

// What the print page offers: the profiles found, and where it asks for a file
// (null: the system's dialog).
struct PrintProfileSources {
    QVector<FoundProfile> found;
    FileDialogs* files = nullptr;
};

// The settings dialog: the path to the tutorial's "index.html", the link to the
// program's web site, the interface language (taken at the next start) and the
// print profile. Created anew for each use and shown modally.
class TEinstellungen : public QDialog
{
    Q_OBJECT

public:
    // Asks for an HTML file; returns its path, or an empty text when the user cancels.
    using FileChooser =
        std::function<QString(QWidget* parent, const QString& startFolder, const QString& filter)>;

    TEinstellungen(TfRegistryForm& registry, const LanguageTable& textSet, ShellOpener& shell,
                   QWidget* parent = nullptr, const PrintProfileSources& print = {});
    ~TEinstellungen() override;

    // Replaces the system's file-open dialog (tests).
    void setFileChooser(FileChooser choice) { m_dateiAuswahl = std::move(choice); }

    void FormCreate();
    void FormShow();
    void BitBtn1Click();
    void OKBtnClick();
    void Button2Click();
    void Label4Click();

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QToolButton* BitBtn1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* Button2 = nullptr;
    QWidget* languagePage = nullptr;
    QComboBox* languageBox = nullptr; // German, English, as the desktop
    PrintProfileSettings* printPage = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(const PrintProfileSources& print);
    QWidget* buildTutorialPage();
    QWidget* buildLanguagePage();
    void centreOnScreen();

    TfRegistryForm& m_registry;
    const LanguageTable& m_texte;
    ShellOpener& m_shell;
    FileChooser m_dateiAuswahl;
    std::unique_ptr<FileDialogs> m_systemFiles;
};
