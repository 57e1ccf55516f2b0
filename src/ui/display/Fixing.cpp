#include "ui/display/Fixing.h"

#include "core/documents/SettingsApply.h"
#include "core/language/LanguageTable.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/FieldSelection.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QComboBox>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSlider>
#include <QTextEdit>

Fixing::Fixing(DisplayHost& host, Widgets widgets, DisplayParts& parts)
    : m_host(host), m_w(widgets), m_parts(parts)
{
}

void Fixing::connectWidgets()
{
    QAction& fixieren = m_host.actions().action(ActionId::fixieren);
    QObject::connect(&fixieren, &QAction::triggered, &m_host.mainWindow(), [this] { fixierenExecute(); });
    fixieren.setEnabled(true);
}

// The action has flipped its check mark already when the user triggers it;
// the state record decides which way to switch.
void Fixing::fixierenExecute()
{
    m_host.colourDocument().toggleFixing();
}

// Both halves take the single display's colours and texts.
void Fixing::fillHalves()
{
    colourHalves();
    duplicateTextFields();
    m_parts.display->fillLowerRow();
}

void Fixing::colourHalves()
{
    auto& w = m_w;
    const std::pair<ColourPanel*, ColourPanel*> paare[] = {
        {w.fields.FixedLinks, w.fields.Anzeige_Normal},
        {w.fields.FixedRechts, w.fields.Anzeige_Normal},
        {w.fields.FixedLinksKleinRechts, w.fields.KleinRechts},
        {w.fields.FixedKleinRechts, w.fields.KleinRechts},
        {w.fields.FixedLinksKleinLinks, w.fields.KleinLinks},
        {w.fields.FixedKleinLinks, w.fields.KleinLinks},
        {w.fields.FixedLinksKleinMitte, w.fields.KleinMitte},
        {w.fields.FixedKleinMitte, w.fields.KleinMitte},
        {w.fields.FixedLinksReihen, w.fields.AnzeigeReihen},
        {w.fields.FixedRechtsReihen, w.fields.AnzeigeReihen},
    };
    for (const auto& [target, source] : paare)
        target->takeColourOf(*source);
    for (std::size_t n = 1; n <= 15; ++n) {
        w.fields.RLi[n]->takeColourOf(*w.fields.R[n]);
        w.fields.RRe[n]->takeColourOf(*w.fields.R[n]);
    }
}

// The right half's text fields take the single display's; the left half gets copies.
void Fixing::duplicateTextFields()
{
    auto& w = m_w;
    const std::array<QTextEdit*, 3> quellen{w.fields.RichEdit1, w.fields.RichEdit2, w.fields.RichEdit3};
    const std::array<QTextEdit*, 3> kopien{w.fields.RichEdit4, w.fields.RichEdit5, w.fields.RichEdit6};
    if (m_host.state().actionSet.textInsteadOfFields) {
        const std::array<ColourPanel*, 3> fields{w.fields.FixedKleinRechts, w.fields.FixedKleinLinks,
                                                 w.fields.FixedKleinMitte};
        for (std::size_t i = 0; i < 3; ++i) {
            moveInto(quellen[i], fields[i], true);
            kopien[i]->show();
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        kopien[i]->clear();
        kopien[i]->setFont(quellen[i]->font());
        QPalette p = kopien[i]->palette();
        p.setColor(QPalette::Base, quellen[i]->palette().color(QPalette::Base));
        p.setColor(QPalette::Text, quellen[i]->palette().color(QPalette::Text));
        kopien[i]->setPalette(p);
        kopien[i]->setHtml(quellen[i]->toHtml());
    }
}

// The single display carries on with the edited half's colours (unless the
// whole display is drawn anew) and texts.
void Fixing::fillSingle(bool withColours)
{
    if (withColours)
        colourSingleDisplay();
    mergeTextFields(m_linksGezeigt);
    m_parts.display->clearLowerRow();
}

void Fixing::displayed()
{
    m_fixiertGezeigt = m_host.state().fixiert;
    m_linksGezeigt = m_host.state().fixLinksAktiv;
}

void Fixing::colourSingleDisplay()
{
    auto& w = m_w;
    w.fields.Anzeige_Normal->takeColourOf(*w.fields.FixedRechts);
    w.fields.KleinRechts->takeColourOf(*w.fields.FixedKleinRechts);
    w.fields.KleinLinks->takeColourOf(*w.fields.FixedKleinLinks);
    w.fields.KleinMitte->takeColourOf(*w.fields.FixedKleinMitte);
    for (std::size_t n = 1; n <= 15; ++n)
        w.fields.R[n]->takeColourOf(*w.fields.RRe[n]);
    // A colour row's background is the window's, not a big field's.
    if (m_host.state().harmonyMode() != HarmonyMode::colourRows)
        w.fields.AnzeigeReihen->takeColourOf(*w.fields.FixedRechtsReihen);
}

// The single display's text fields carry on with the edited half's texts; with
// the left half edited those are in the copies, which are about to be hidden.
void Fixing::mergeTextFields(bool leftEdited)
{
    auto& w = m_w;
    const std::array<QTextEdit*, 3> edits{w.fields.RichEdit1, w.fields.RichEdit2, w.fields.RichEdit3};
    const std::array<QTextEdit*, 3> kopien{w.fields.RichEdit4, w.fields.RichEdit5, w.fields.RichEdit6};
    const std::array<ColourPanel*, 3> fields{w.fields.KleinRechts, w.fields.KleinLinks, w.fields.KleinMitte};
    const bool textAn = m_host.state().actionSet.textInsteadOfFields;
    for (std::size_t i = 0; i < 3; ++i) {
        if (leftEdited) {
            edits[i]->setFont(kopien[i]->font());
            edits[i]->setPalette(kopien[i]->palette());
            edits[i]->setHtml(kopien[i]->toHtml());
        }
        moveInto(edits[i], fields[i], true);
        edits[i]->setVisible(textAn);
        kopien[i]->hide();
    }
}

void Fixing::zurueckZurAltenFlaecheRe(const QString& text)
{
    zurueckZurAltenFlaeche(text, false);
}

void Fixing::zurueckZurAltenFlaecheLi(const QString& text)
{
    zurueckZurAltenFlaeche(text, true);
}

void Fixing::zurueckZurAltenFlaeche(const QString& text, bool left)
{
    const LanguageTable& t = m_host.uiLanguage();
    FieldSelection& a = *m_parts.selection;
    if (text == t.text(Txt::statusBigSelected))
        a.editHalf(left);
    else if (text == t.text(Txt::statusRightSelected))
        left ? a.FixedLinksKleinRechtsClick() : a.KleinRechtsClick();
    else if (text == t.text(Txt::statusLeftSelected))
        left ? a.FixedLinksKleinLinksClick() : a.KleinLinksClick();
    else if (text == t.text(Txt::statusCentreSelected))
        left ? a.FixedLinksKleinMitteClick() : a.KleinMitteClick();
}
