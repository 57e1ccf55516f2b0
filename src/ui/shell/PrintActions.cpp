#include "ui/shell/PrintActions.h"

#include "core/language/LanguageTable.h"
#include "ui/display/DisplayHost.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourVisionFilter.h"
#include "ui/widgets/GamutMarks.h"

#include <QAction>
#include <QDir>

PrintActions::PrintActions(DisplayHost& form)
    : m_form(form), m_folders(desktopProfileFolders(QDir::homePath()))
{
    // None is stored: every window starts without marks, proof and profile.
    GamutMarks::sharedMarks().setShown(false);
    GamutMarks::sharedMarks().setConversion(std::nullopt);
    ColourVisionFilter::sharedFilter().setProof(std::nullopt);
}

void PrintActions::connectActions()
{
    QAction& warning = m_form.actions().action(ActionId::gamutWarning);
    connect(&warning, &QAction::toggled, this, &PrintActions::showMarks);
    warning.setEnabled(true);
    QAction& proof = m_form.actions().action(ActionId::simulatePrint);
    connect(&proof, &QAction::toggled, this, [this](bool on) {
        m_proofOn = on;
        showProof();
    });
    proof.setEnabled(true);
}

void PrintActions::showProof()
{
    ColourVisionFilter::sharedFilter().setProof(m_proofOn ? m_conversion : std::nullopt);
}

void PrintActions::showMarks(bool on)
{
    const LanguageTable& t = m_form.uiLanguage();
    GamutMarks::sharedMarks().setTip(t.text(Txt::gamutWarningTip), t.decimalSeparator());
    GamutMarks::sharedMarks().setShown(on);
}

void PrintActions::takeChoice(const PrintProfileChoice& choice)
{
    if (choice == m_choice)
        return;
    m_choice = choice;
    m_conversion.reset();
    if (!choice.path.isEmpty())
        if (const ProfileLoad load = profileFromFile(choice.path); load.profile)
            m_conversion = PrintConversion::make(load.profile, choice.intent);
    GamutMarks::sharedMarks().setConversion(m_conversion);
    showProof();
    emit conversionChanged();
}

QVector<FoundProfile> PrintActions::foundProfiles() const
{
    return cmykProfilesIn(m_folders);
}
