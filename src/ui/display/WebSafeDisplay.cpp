#include "ui/display/WebSafeDisplay.h"

#include "core/colour/Conversions.h"
#include "core/harmony/SameColour.h"
#include "ui/dialogs/TOKBottomDlg1.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/MainWidgets.h"
#include "ui/widgets/StaticText.h"

#include "core/language/LanguageTable.h"

#include <QAction>
#include <QMessageBox>

namespace
{

struct WebFeldWidgets {
    ColourPanel* panel;
    std::array<StaticText*, 3> rgb;
    StaticText* hex;
};

// The half being edited: its mode is the one the dialog was opened for.
WebFeldWidgets webFieldWidgets(const WebSafeDisplay::Widgets& w, const MainState& s, Field field)
{
    const bool fix = s.fixiert;
    if (fix && s.fixLinksAktiv) {
        switch (field) {
        case Field::big:
            return {
                w.fields.FixedLinks, {w.values.SGrUnR, w.values.SGrUnG, w.values.SGrUnB}, w.values.SGrUnHex};
        case Field::left:
            return {w.fields.FixedLinksKleinLinks,
                    {w.values.SKlUnLiR, w.values.SKlUnLiG, w.values.SKlUnLiB},
                    w.values.SKlUnLiHex};
        case Field::centre:
            return {w.fields.FixedLinksKleinMitte,
                    {w.values.SKlUnMiR, w.values.SKlUnMiG, w.values.SKlUnMiB},
                    w.values.SKlUnMiHex};
        case Field::right:
            break;
        }
        return {w.fields.FixedLinksKleinRechts,
                {w.values.SKlUnR, w.values.SKlUnG, w.values.SKlUnB},
                w.values.SKlUnHex};
    }
    switch (field) {
    case Field::big:
        return {fix ? w.fields.FixedRechts : w.fields.Anzeige_Normal,
                {w.values.SGrObR, w.values.SGrObG, w.values.SGrObB},
                w.values.SGrObHex};
    case Field::left:
        return {fix ? w.fields.FixedKleinLinks : w.fields.KleinLinks,
                {w.values.SKlObLiR, w.values.SKlObLiG, w.values.SKlObLiB},
                w.values.SKlObLiHex};
    case Field::centre:
        return {fix ? w.fields.FixedKleinMitte : w.fields.KleinMitte,
                {w.values.SKlObMiR, w.values.SKlObMiG, w.values.SKlObMiB},
                w.values.SKlObMiHex};
    case Field::right:
        break;
    }
    return {fix ? w.fields.FixedKleinRechts : w.fields.KleinRechts,
            {w.values.SKlObR, w.values.SKlObG, w.values.SKlObB},
            w.values.SKlObHex};
}

} // namespace

WebSafeDisplay::WebSafeDisplay(DisplayHost& host, Widgets widgets, DisplayParts& parts)
    : m_host(host), m_w(widgets), m_parts(parts)
{
}

void WebSafeDisplay::connectWidgets()
{
    QAction& a = m_host.actions().action(ActionId::nurWebsichereFarbenAnzeigen);
    QObject::connect(&a, &QAction::triggered, &m_host.mainWindow(), [this] {
        const ColourDocument::Operation viewOptions(m_host.colourDocument(), StepKind::view);
        nurWebsichereFarbenAnzeigenExecute();
    });
    a.setEnabled(true);
    QAction& umwandeln = m_host.actions().action(ActionId::inWebsichereFarbenUmwandeln);
    QObject::connect(&umwandeln, &QAction::triggered, &m_host.mainWindow(),
                     [this] { inWebsichereFarbenUmwandelnExecute(); });
    umwandeln.setEnabled(!m_host.state().actionSet.nurWebsichereFarbenAnzeigen);
}

void WebSafeDisplay::hideWarning()
{
    m_w.warning.Panel1->hide();
}

// The warning judges the neighbours of a painted row.
void WebSafeDisplay::follow(Changes was)
{
    if (was & Change::farben && isRowMode(m_host.state().harmonyMode()))
        checkWarning();
}

void WebSafeDisplay::inWebsichereFarbenUmwandelnExecute()
{
    if (isRowMode(m_host.state().harmonyMode())) {
        const LanguageTable& t = m_host.uiLanguage();
        QMessageBox::information(&m_host.mainWindow(), t.text(Txt::note), t.text(Txt::webSafeFanning));
        return;
    }
    TOKBottomDlg1 dialog(m_host.uiLanguage(), webFieldAccess(), &m_host.mainWindow());
    // What the dialog assigns is one step, however often it is asked.
    m_host.colourDocument().beginGesture(StepKind::webSafeColours);
    dialog.exec();
    m_host.colourDocument().endGesture();
}

void WebSafeDisplay::nurWebsichereFarbenAnzeigenExecute()
{
    // The state says what was on; a triggered checkable action has already flipped its mark.
    m_host.colourDocument().setWebSafeOnly(!m_host.state().actionSet.nurWebsichereFarbenAnzeigen);
    present();
    recompute();
}

// The web-safe dialog is not offered while the display is web-safe.
void WebSafeDisplay::present()
{
    const bool an = m_host.state().actionSet.nurWebsichereFarbenAnzeigen;
    if (an == m_angezeigt)
        return;
    m_angezeigt = an;
    m_w.warning.Panel1->hide();
    QAction& umwandeln = m_host.actions().action(ActionId::inWebsichereFarbenUmwandeln);
    if (!an) {
        // Given back only if it was usable: an action without its dialog stays off.
        umwandeln.setEnabled(m_umwandelnWarAn);
    } else {
        m_umwandelnWarAn = umwandeln.isEnabled();
        umwandeln.setEnabled(false);
    }
}

void WebSafeDisplay::recompute()
{
    m_host.colourDocument().fetchDataAtParticipant();
}

bool WebSafeDisplay::checkFarbengleichheit() const
{
    // The half being edited is the one whose repaint asks.
    const MainState& s = m_host.state();
    const auto& w = m_w;
    if (!s.fixiert)
        return rowHasSameColour(w.fields.R);
    return rowHasSameColour(s.fixLinksAktiv ? w.fields.RLi : w.fields.RRe);
}

// A panel counts only where the user sees it: parked panels and the rows of a
// display that is not in use sit in the hidden container.
bool WebSafeDisplay::rowHasSameColour(const std::array<ColourPanel*, 16>& panels) const
{
    QWidget* topWindow = &m_host.mainWindow();
    RowFields row{};
    for (std::size_t n = 1; n <= 15; ++n) {
        const QColor c = panels[n]->colour();
        row[n] = {Rgb{c.red(), c.green(), c.blue()}, panels[n]->isVisibleTo(topWindow)};
    }
    return sameColourInRow(row);
}

void WebSafeDisplay::checkWarning()
{
    if (!m_host.state().actionSet.nurWebsichereFarbenAnzeigen)
        return;
    ColourPanel* warnung = m_w.warning.Panel1;
    if (checkFarbengleichheit()) {
        warnung->show();
        warnung->raise();
    } else {
        warnung->hide();
    }
}

WebFieldAccess WebSafeDisplay::webFieldAccess()
{
    const auto readIn = [this](Field field) {
        const WebFeldWidgets f = webFieldWidgets(m_w, m_host.state(), field);
        return WebFieldDisplay{f.panel->colour(), {f.rgb[0]->text(), f.rgb[1]->text(), f.rgb[2]->text()}};
    };
    const auto assignColour = [this](Field field, const QColor& c) {
        const WebFeldWidgets f = webFieldWidgets(m_w, m_host.state(), field);
        f.panel->setColour(c);
        const std::array<int, 3> kanaele{c.red(), c.green(), c.blue()};
        for (std::size_t i = 0; i < 3; ++i)
            f.rgb[i]->setText(QString::number(kanaele[i]));
        f.hex->setText(hexText(c.red(), c.green(), c.blue()));
        m_host.colourDocument().webSafeAssigned();
    };
    return {readIn, assignColour, [this] { m_host.showHelpTopic(QStringLiteral("::HTML\\page06.htm")); }};
}
