// The main window's create, show and close handlers.

#include "ui/shell/TForm1.h"

#include "core/colour/AnglePicture.h"
#include "core/colour/Conversions.h"
#include "core/colour/OverlayPicture.h"
#include "core/layout/WindowLayout.h"
#include "core/prefs/RegistryForm.h"
#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayParts.h"
#include "ui/language/ActionRegistry.h"
#include "ui/layout/WindowLayoutUi.h"
#include "ui/shell/ColourSettingsFile.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/FieldCursor.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/StaticText.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTextEdit>

#include "core/colour/BandPictures.h"

namespace
{

QColor colourFromSlots(const MainState& s, int ersterSlot)
{
    return QColor(s.farbWerte[ersterSlot], s.farbWerte[ersterSlot + 1], s.farbWerte[ersterSlot + 2]);
}

} // namespace

void TForm1::FormCreate()
{
    // 1. The help file lives beside the program.
    m_helpFile = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("manual.chm"));

    // 2. The state record starts at its start values (MainState's initialisers).

    // 3. Park the fixed and row displays and the fields the start mode does not show.
    moveInto(m_w.fields.FixedLinks, m_w.fields.PanelContainer2);
    m_w.fields.FixedLinks->move(1, 1);
    moveInto(m_w.fields.FixedRechts, m_w.fields.PanelContainer2);
    m_w.fields.FixedRechts->move(338, 1);
    for (ColourPanel* p : {m_w.fields.AnzeigeReihen, m_w.fields.AnzeigeFixedReihen}) {
        moveInto(p, m_w.fields.PanelContainer2);
        p->move(1, 1);
    }
    for (ColourPanel* p :
         {m_w.fields.KleinLinks, m_w.fields.KleinMitte, m_w.fields.FixedLinksKleinRechts,
          m_w.fields.FixedLinksKleinLinks, m_w.fields.FixedLinksKleinMitte, m_w.fields.FixedKleinRechts,
          m_w.fields.FixedKleinLinks, m_w.fields.FixedKleinMitte})
        moveInto(p, m_w.fields.PanelContainer2);
    for (std::size_t n = 2; n <= 14; ++n) {
        if (n == 8)
            continue;
        moveInto(m_w.fields.R[n], m_w.fields.PanelContainer2);
        moveInto(m_w.fields.RRe[n], m_w.fields.PanelContainer2);
        moveInto(m_w.fields.RLi[n], m_w.fields.PanelContainer2);
    }

    // 4. Stacking order of the display.
    for (QWidget* p :
         {static_cast<QWidget*>(m_w.fields.Anzeige), static_cast<QWidget*>(m_w.fields.AnzeigeFixedReihen),
          static_cast<QWidget*>(m_w.fields.AnzeigeReihen), static_cast<QWidget*>(m_w.fields.FixedLinks),
          static_cast<QWidget*>(m_w.fields.FixedRechts), static_cast<QWidget*>(m_w.fields.Anzeige_Normal)})
        p->raise();

    // 5. Every clickable field shows the field cursor.
    const QCursor cursor = fieldCursor();
    for (QWidget* field : m_w.fields.clickableFields())
        field->setCursor(cursor);
    // A row's centre selects nothing; it must not take the hand from its row.
    for (ColourPanel* centre : {m_w.fields.R[8], m_w.fields.RRe[8], m_w.fields.RLi[8]})
        centre->setCursor(Qt::ArrowCursor);

    // 6. The angle image's centre is the fixed (61, 61) of the angle picture.

    // 7. The text fields fill their panels.
    for (QTextEdit* e : {m_w.fields.RichEdit1, m_w.fields.RichEdit2, m_w.fields.RichEdit3,
                         m_w.fields.RichEdit4, m_w.fields.RichEdit5, m_w.fields.RichEdit6})
        setClientAligned(e, true);

    // 8. The angle image is the angle controls' own.

    // 9. The light/dark overlay; without it the field shows its plain colour.
    // Premultiplied once here: it is blended anew whenever the field's colour changes.
    // Band and overlay are made for the screen's own pixels.
    m_w.lightDark.Image3->setPictureMaker(overlayPictureAt);
    m_w.lightDark.Image3->makePicture();

    // 10. Cross-hair, legend labels and legend width.
    m_w.lightDark.KreuzH->move(m_w.lightDark.KreuzH->x(), 0);
    m_w.lightDark.KreuzV->move(0, m_w.lightDark.KreuzV->y());
    m_w.legend.Label12->clear();
    m_w.legend.Label13->clear();
    m_w.legend.Panel12->resize(197, m_w.legend.Panel12->height());

    m_w.band.Image1->setPictureMaker([](double ratio) { return bandPicture(true, ratio); });
    m_w.band.Image2->setPictureMaker([](double ratio) { return bandPicture(false, ratio); });
    m_w.band.Image1->makePicture();
    m_w.band.Image2->makePicture();
    showStartColours();
}

// The start state's colours and values, before anything has been computed:
// big field and small right from the state record's base colours.
void TForm1::showStartColours()
{
    const QColor big = colourFromSlots(state(), slot::basisGross);
    const QColor right = colourFromSlots(state(), slot::basisRechts);
    const QColor left = colourFromSlots(state(), slot::basisLinks);
    const QColor centre = colourFromSlots(state(), slot::basisMitte);
    for (ColourPanel* p : {m_w.fields.Anzeige, m_w.fields.Anzeige_Normal, m_w.fields.FixedLinks,
                           m_w.fields.FixedRechts, m_w.values.Panel4, m_w.values.Panel8, m_w.legend.Panel16})
        p->setColour(big);
    for (ColourPanel* p :
         {m_w.fields.KleinRechts, m_w.fields.FixedKleinRechts, m_w.fields.FixedLinksKleinRechts,
          m_w.values.Panel7, m_w.values.Panel11, m_w.legend.Panel19})
        p->setColour(right);
    for (ColourPanel* p : {m_w.fields.KleinLinks, m_w.fields.FixedKleinLinks, m_w.fields.FixedLinksKleinLinks,
                           m_w.values.Panel5, m_w.values.Panel9, m_w.legend.Panel17})
        p->setColour(left);
    for (ColourPanel* p : {m_w.fields.KleinMitte, m_w.fields.FixedKleinMitte, m_w.fields.FixedLinksKleinMitte,
                           m_w.values.Panel6, m_w.values.Panel10, m_w.legend.Panel18})
        p->setColour(centre);
    for (ColourPanel* p :
         {m_w.fields.AnzeigeReihen, m_w.fields.FixedLinksReihen, m_w.fields.FixedRechtsReihen})
        p->setColour(big);
    const QColor neutral = palette().color(QPalette::Button);
    for (std::size_t k = 1; k <= 15; ++k)
        for (ColourPanel* p : {m_w.fields.R[k], m_w.fields.RLi[k], m_w.fields.RRe[k]})
            p->setColour(neutral);

    // Two-colour harmony: the left and centre swatches are not in use.
    m_w.values.Panel5->hide();
    m_w.values.Panel6->hide();
    writeValues(m_w.values.SGrObR, m_w.values.SGrObG, m_w.values.SGrObB, m_w.values.SGrObHex, big);
    writeValues(m_w.values.SKlObR, m_w.values.SKlObG, m_w.values.SKlObB, m_w.values.SKlObHex, right);
    writeDashes({m_w.values.SKlObLiR, m_w.values.SKlObLiG, m_w.values.SKlObLiB, m_w.values.SKlObLiHex,
                 m_w.values.SKlObMiR, m_w.values.SKlObMiG, m_w.values.SKlObMiB, m_w.values.SKlObMiHex});

    // The light/dark field shows the selected (big) field's base colour.
    m_w.lightDark.flaechenanzeigeFarbe->setColour(big);
    m_w.lightDark.flaechenanzeigeFarbe->setTag(BerechneHex(big.red(), big.green(), big.blue()));
    m_w.regions.panelHintergrund->setColour(palette().color(QPalette::Button));
    m_w.regions.panelBG->setColour(m_w.regions.panelHintergrund->colour());
    m_w.regions.centralArea->setColour(m_w.regions.panelHintergrund->colour());
}

void TForm1::FormShow()
{
    bool dateiGelesen = false;
    if (ersterStart) {
        ersterStart = false;
        if (compactLayoutNeeded(screenSize()))
            aufloesung800x600();
        m_dokument.setWindowShown(true);
        dateiGelesen = openFileFromCommandLine();
        applyStoredPlacement();
        if (m_preferences) {
            const int index = m_preferences->hintergrundIndex;
            const bool valid = index >= 0 && index < m_w.regions.ComboBox2->count();
            m_w.regions.ComboBox2->setCurrentIndex(valid ? index : 0);
            if (valid && index != 0)
                ComboBox2Change();
        }
    }
    m_parts->band->Image2MouseUp();
    m_layout->setLocked(false);
    FormResize();
    // Showing repaints the fields; the colours are still the file's.
    if (dateiGelesen)
        m_actions->action(ActionId::dateiSpeichern).setEnabled(false);
    // The user's steps start from what the window shows first.
    m_dokument.restartHistory();
}

// Parameter 1 of the command line is read here, after formularBereit (so the
// file's angle image is drawn) and before the stored placement is applied.
bool TForm1::openFileFromCommandLine()
{
    if (m_commandLineFile.isEmpty())
        return false;
    m_datei->datenEinlesen(m_commandLineFile);
    return m_datei->hasCurrentFile() && !m_datei->modified();
}

void TForm1::applyStoredPlacement()
{
    if (!m_preferences)
        return;
    const TfRegistryForm& p = *m_preferences;
    QList<QRect> screens;
    if (m_screenSizeOverride.isValid())
        screens.push_back(QRect(QPoint(0, 0), m_screenSizeOverride));
    else
        for (const QScreen* s : QGuiApplication::screens())
            screens.push_back(s->availableGeometry());
    // Known once the window manager has framed the window; none before.
    const QRect frame = frameGeometry();
    const QRect inside = geometry();
    const QMargins raender(inside.left() - frame.left(), inside.top() - frame.top(),
                           frame.right() - inside.right(), frame.bottom() - inside.bottom());
    const QRect lage = visiblePlacement(QRect(p.fensterLinks, p.fensterOben, p.fensterBreite, p.fensterHoehe),
                                        screens, raender);
    move(lage.topLeft());
    resize(lage.size());
    if (p.fensterMaximiert)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm1::FormClose()
{
    m_layout->setLocked(true);
    if (!m_preferences)
        return;
    TfRegistryForm& p = *m_preferences;
    // Borderless mode covers the screen; it counts as maximised.
    if (isMaximized() || isFullScreen()) {
        p.fensterMaximiert = true;
    } else {
        p.fensterMaximiert = false;
        p.fensterOben = pos().y();
        p.fensterLinks = pos().x();
        p.fensterHoehe = height();
        p.fensterBreite = width();
    }
    p.hintergrundIndex = m_w.regions.ComboBox2->currentIndex();
    p.speicherDaten();
}
