#pragma once

#include "core/print/PrintConversion.h"
#include "platform/print/ProfileFolders.h"
#include "ui/dialogs/PrintProfileSettings.h"

#include <QObject>
#include <QStringList>

#include <optional>

class DisplayHost;

// The print profile the main window converts with, built once per choice; the
// view menu's gamut warning that marks the fields it cannot print, and its soft
// proof that shows every colour as the print brings it back (with a colour
// vision simulation, as that viewer sees the print).
class PrintActions : public QObject
{
    Q_OBJECT

public:
    explicit PrintActions(DisplayHost& form);

    void connectActions();
    // The stored choice. A profile that no longer loads gives no profile,
    // silently: the settings dialog says why when it is opened.
    void takeChoice(const PrintProfileChoice& choice);
    const std::optional<PrintConversion>& conversion() const { return m_conversion; }

    // Where the settings look for print profiles (the desktop's folders unless a test replaces them).
    void setProfileFolders(const QStringList& folders) { m_folders = folders; }
    QVector<FoundProfile> foundProfiles() const;

signals:
    void conversionChanged();

private:
    void showMarks(bool on);
    void showProof();

    DisplayHost& m_form;
    QStringList m_folders;
    PrintProfileChoice m_choice;
    bool m_proofOn = false;
    std::optional<PrintConversion> m_conversion;
};
