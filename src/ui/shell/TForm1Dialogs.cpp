// The dialogs the main window opens for one task.

#include "ui/shell/TForm1.h"

#include "core/colour/Conversions.h"
#include "platform/desktop/ShellOpener.h"
#include "ui/dialogs/Einstellungen.h"
#include "ui/documents/ColourFormatsWindow.h"
#include "ui/documents/ScalesWindow.h"
#include "ui/documents/TForm2.h"
#include "ui/dialogs/TfPipette.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldSelection.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/display/ManualInputApply.h"
#include "core/prefs/RegistryForm.h"
#include "ui/shell/HelpActions.h"
#include "platform/screen/PortalColourPicker.h"
#include "platform/screen/ScreenReader.h"
#include "ui/shell/TfBlind.h"

#include <QMessageBox>
#include <QTabWidget>

void TForm1::setShellOpener(std::unique_ptr<ShellOpener> opener)
{
    if (opener)
        m_shellOpener = std::move(opener);
}

void TForm1::einstellungenMenuExecute()
{
    if (!m_preferences)
        return;
    const LanguageTable texte =
        m_blind ? m_blind->sprache : LanguageTable::forVersion(m_preferences->sprachVersion);
    // A new dialog each time: nothing of an earlier one survives.
    TEinstellungen dialog(*m_preferences, texte, *m_shellOpener, this);
    dialog.exec();
}

void TForm1::einstellungenTutorialZeigen()
{
    if (!m_preferences)
        return;
    TEinstellungen dialog(*m_preferences, sprache(), *m_shellOpener, this);
    dialog.PageControl1->setCurrentWidget(dialog.TabSheet2);
    dialog.exec();
}

void TForm1::hilfeInhaltExecute()
{
    m_hilfe->hilfeInhaltExecute();
}

void TForm1::hilfeThemaZeigen(const QString& thema)
{
    m_hilfe->hilfeThemaZeigen(thema);
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
            VorschauZugang{.s = state(),
                           .t = sprache(),
                           .w = m_w,
                           // Also where a half is a colour row, whose background takes no click.
                           .haelfteWechseln = [this] { m_parts->selection->haelfteBearbeiten(!state().fixLinksAktiv); },
                           .hilfe = [this] { hilfeThemaZeigen(QStringLiteral("::HTML\\page03.htm")); }},
            this);
    m_vorschau->zeigen();
}

void TForm1::setScreenReader(std::unique_ptr<ScreenReader> reader)
{
    m_screenReader = std::move(reader);
}

void TForm1::pipetteExecute()
{
    if (!m_preferences)
        return;
    if (!m_screenReader && PortalColourPicker::portalSitzung()) {
        portalPipette();
        return;
    }
    if (!m_screenReader)
        m_screenReader = desktopScreenReader();
    ManualInputApply& eingabe = *m_parts->eingabe;
    eingabe.dialog();
    m_pipette.reset();
    m_pipette =
        std::make_unique<TfPipette>(*m_screenReader, m_pipettenStand, *m_preferences, sprache(), this,
                                    [&eingabe](const QString& hex) { eingabe.pipetteUebernehmen(hex); });
    hide();
    m_pipette->exec();
}

// Where the screen may not be read, the desktop's own picker takes the colour
// and it enters through the same transfer.
void TForm1::portalPipette()
{
    if (!m_portal) {
        m_portal = std::make_unique<PortalColourPicker>();
        ManualInputApply& eingabe = *m_parts->eingabe;
        connect(m_portal.get(), &PortalColourPicker::gewaehlt, this, [this, &eingabe](const QColor& c) {
            show();
            eingabe.pipetteUebernehmen(hexText(c.red(), c.green(), c.blue()));
        });
        connect(m_portal.get(), &PortalColourPicker::abgebrochen, this, [this] { show(); });
        connect(m_portal.get(), &PortalColourPicker::fehlgeschlagen, this, [this] {
            show();
            QMessageBox::warning(this, sprache().text(Txt::fehler), sprache().text(Txt::pipetteNichtVerfuegbar));
        });
    }
    m_parts->eingabe->dialog();
    hide();
    m_portal->pickColor();
}

// One window, kept while the main window lives: it follows the selection.
void TForm1::farbformateExecute()
{
    if (!m_farbformate) {
        m_farbformate = std::make_unique<ColourFormatsWindow>(
            state(), sprache(), this);
        ColourFormatsWindow* fenster = m_farbformate.get();
        for (ColourPanel* panel : findChildren<ColourPanel*>())
            if (!fenster->isAncestorOf(panel))
                connect(panel, &ColourPanel::colourChanged, fenster, &ColourFormatsWindow::spaeterAktualisieren);
        connect(m_parts->selection.get(), &FieldSelection::auswahlGeaendert, fenster,
                &ColourFormatsWindow::spaeterAktualisieren);
    }
    m_farbformate->zeigen();
}

// One window, kept while the main window lives: it follows every field and
// every action that shows or hides fields.
void TForm1::skalenExecute()
{
    if (!m_skalen) {
        m_skalen = std::make_unique<ScalesWindow>(state(), sprache(), this);
        ScalesWindow* fenster = m_skalen.get();
        for (ColourPanel* panel : findChildren<ColourPanel*>())
            if (!fenster->isAncestorOf(panel))
                connect(panel, &ColourPanel::colourChanged, fenster, &ScalesWindow::spaeterAktualisieren);
        for (QAction* a : QWidget::actions())
            connect(a, &QAction::triggered, fenster, &ScalesWindow::spaeterAktualisieren);
    }
    m_skalen->zeigen();
}
