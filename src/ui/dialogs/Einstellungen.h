#pragma once

#include <QDialog>

#include <functional>

class LanguageTable;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class ShellOpener;
class TfRegistryForm;

// The settings dialog: the path to the tutorial's "index.html", the link to the
// program's web site and the interface language (taken at the next start). Created anew for each use and
// shown modally.
class TEinstellungen : public QDialog
{
    Q_OBJECT

public:
    // Asks for an HTML file; returns its path, or an empty text when the user cancels.
    using FileChooser =
        std::function<QString(QWidget* parent, const QString& startFolder, const QString& filter)>;

    TEinstellungen(TfRegistryForm& registry, const LanguageTable& textSet, ShellOpener& shell,
                   QWidget* parent = nullptr);

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

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* buildTutorialPage();
    QWidget* buildLanguagePage();
    void centreOnScreen();

    TfRegistryForm& m_registry;
    const LanguageTable& m_texte;
    ShellOpener& m_shell;
    FileChooser m_dateiAuswahl;
};
