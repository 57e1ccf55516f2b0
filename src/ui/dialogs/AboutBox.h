#pragma once

#include <QDialog>

class LanguageTable;
class QLabel;
class QPushButton;
class ShellOpener;

// The about box: program icon, product names, version, the publisher line and
// the left to the web site and to the support e-mail address, opened through
// the shell. Created on first use and shown again by later calls.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    TAboutBox(const LanguageTable& textSet, ShellOpener& shell, QWidget* parent = nullptr);

    void FormCreate();
    void Label2Click(); // the web site
    void Label3Click(); // the e-mail address

    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName1 = nullptr;
    QLabel* ProductName2 = nullptr;
    QLabel* Version = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lHomepage = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lEMail = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QLabel* newLabel(const char* name);
    void alsLink(QLabel* label);

    const LanguageTable& m_texte;
    ShellOpener& m_shell;
};
