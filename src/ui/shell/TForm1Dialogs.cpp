// The dialogs the main window opens for one task.

#include "ui/shell/TForm1.h"

#include "core/colour/Conversions.h"
#include "core/prefs/RegistryForm.h"
#include "platform/desktop/ShellOpener.h"
#include "platform/screen/PortalColourPicker.h"
#include "platform/screen/ScreenReader.h"
#include "ui/dialogs/Einstellungen.h"
#include "ui/dialogs/TfPipette.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/ManualInputApply.h"
#include "ui/documents/ColourFormatsWindow.h"
#include "ui/documents/ScalesWindow.h"
#include "ui/documents/TForm2.h"
#include "ui/shell/HelpActions.h"
#include "ui/shell/PrintActions.h"
#include "ui/shell/TfBlind.h"
#include "ui/widgets/ColourPanel.h"

#include <QMessageBox>
#include <QTabWidget>

void TForm1::setShellOpener(std::unique_ptr<ShellOpener> opener)
{
    if (opener)
        m_shellOpener = std::move(opener);
}

void TForm1::einstellungenMenuExecute()
{
    runSettings(false);
}

void TForm1::showSettingsTutorial()
{
    runSettings(true);
}

void TForm1::runSettings(bool tutorialPage)
{
    if (!m_preferences)
        return;
    const LanguageTable textSet =
        m_blind ? m_blind->uiLanguage : LanguageTable::forVersion(m_preferences->sprachVersion);
    // A new dialog each time: nothing of an earlier one survives.
    TEinstellungen dialog(*m_preferences, textSet, *m_shellOpener, this, {m_druck->foundProfiles(), nullptr});
    if (tutorialPage)
        dialog.PageControl1->setCurrentWidget(dialog.TabSheet2);
    if (dialog.exec() == QDialog::Accepted)
        m_druck->takeChoice(
            {m_preferences->printProfilePath, static_cast<PrintIntent>(m_preferences->printIntent)});
}

void TForm1::connectPrint()
{
    m_druck = std::make_unique<PrintActions>(*this);
    m_druck->connectActions();
    // Every field that shows a colour, the rows' centres too.
    std::vector<QWidget*> fields = m_w.fields.clickableFields();
    fields.insert(fields.end(), {m_w.fields.R[8], m_w.fields.RLi[8], m_w.fields.RRe[8]});
    for (QWidget* field : fields)
        if (auto* panel = qobject_cast<ColourPanel*>(field))
            panel->setGamutMarked(true);
    connect(m_druck.get(), &PrintActions::conversionChanged, this, [this] {
        if (m_farbformate)
            m_farbformate->setPrintConversion(m_druck->conversion());
    });
}

void TForm1::hilfeInhaltExecute()
{
    m_hilfe->hilfeInhaltExecute();
}

void TForm1::showHelpTopic(const QString& topic)
{
    m_hilfe->showHelpTopic(topic);
}

void TForm1::HtmlHelpExecute(int tag)
{
    m_hilfe->HtmlHelpExecute(tag);
}

void TForm1::hilfeInfoExecute()
{
    m_hilfe->hilfeInfoExecute();
}

void TForm1::onlineCheckAufUpdateExecute()
{
    m_hilfe->onlineCheckAufUpdateExecute();
}

void TForm1::vollbildExecute()
{
    if (!m_vorschau)
        m_vorschau = std::make_unique<TForm2>(
            PreviewAccess{.s = state(),
                          .t = uiLanguage(),
                          .w = m_w,
                          // Also where a half is a colour row, whose background takes no click.
                          .switchHalf = [this] { m_parts->selection->editHalf(!state().fixLinksAktiv); },
                          .help = [this] { showHelpTopic(QStringLiteral("::HTML\\page03.htm")); }},
            this);
    m_vorschau->present();
}

void TForm1::setScreenReader(std::unique_ptr<ScreenReader> reader)
{
    m_screenReader = std::move(reader);
}

void TForm1::pipetteExecute()
{
    if (!m_preferences)
        return;
    if (!m_screenReader && PortalColourPicker::portalSession()) {
        portalPipette();
        return;
    }
    if (!m_screenReader)
        m_screenReader = desktopScreenReader();
    ManualInputApply& input = *m_parts->input;
    input.dialog();
    m_pipette.reset();
    m_pipette =
        std::make_unique<TfPipette>(*m_screenReader, m_pipettenStand, *m_preferences, uiLanguage(), this,
                                    [&input](const QString& hex) { input.applyPipetteColour(hex); });
    hide();
    m_pipette->exec();
}

// Where the screen may not be read, the desktop's own picker takes the colour
// and it enters through the same transfer.
void TForm1::portalPipette()
{
    if (!m_portal) {
        m_portal = std::make_unique<PortalColourPicker>();
        ManualInputApply& input = *m_parts->input;
        connect(m_portal.get(), &PortalColourPicker::chosen, this, [this, &input](const QColor& c) {
            show();
            input.applyPipetteColour(hexText(c.red(), c.green(), c.blue()));
        });
        connect(m_portal.get(), &PortalColourPicker::cancelled, this, [this] { show(); });
        connect(m_portal.get(), &PortalColourPicker::failed, this, [this] {
            show();
            QMessageBox::warning(this, uiLanguage().text(Txt::errorBox),
                                 uiLanguage().text(Txt::pipetteUnavailable));
        });
    }
    m_parts->input->dialog();
    hide();
    m_portal->pickColor();
}

// One window, kept while the main window lives: it follows the selection.
void TForm1::colourFormatsExecute()
{
    if (!m_farbformate) {
        m_farbformate = std::make_unique<ColourFormatsWindow>(state(), uiLanguage(), this);
        m_farbformate->setPrintConversion(m_druck->conversion());
        ColourFormatsWindow* topWindow = m_farbformate.get();
        for (ColourPanel* panel : findChildren<ColourPanel*>())
            if (!topWindow->isAncestorOf(panel))
                connect(panel, &ColourPanel::colourChanged, topWindow, &ColourFormatsWindow::updateLater);
        connect(&colourDocument(), &ColourDocument::modified, topWindow, [topWindow](Changes was) {
            if (was & Change::choice)
                topWindow->updateLater();
        });
    }
    m_farbformate->present();
}

// One window, kept while the main window lives: it follows every announced change.
void TForm1::colourScalesExecute()
{
    if (!m_skalen) {
        m_skalen = std::make_unique<ScalesWindow>(state(), uiLanguage(), this);
        connect(&m_dokument, &ColourDocument::modified, m_skalen.get(), &ScalesWindow::updateLater);
    }
    m_skalen->present();
}
