#include "ui/display/BandAngleControls.h"

#include "core/colour/AnglePicture.h"
#include "core/colour/BandTables.h"
#include "ui/display/DisplayHost.h"
#include "ui/layout/WindowLayoutUi.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace
{

// Labels are rewritten on every band move; an unchanged text costs no relayout.
void textSetzen(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

void swatchUebernehmen(ColourPanel* legende, const ColourPanel* quelle)
{
    if (quelle->hasColour())
        legende->setColour(quelle->colour());
    else
        legende->clearColour();
}

} // namespace

BandAngleControls::BandAngleControls(DisplayHost& host) : m_host(host) {}

void BandAngleControls::connectWidgets()
{
    MainWidgets& w = m_host.w();
    for (PictureBox* band : {w.Image1, w.Image2}) {
        connect(band, &PictureBox::mousePressed, this, &BandAngleControls::bandMaus);
        connect(band, &PictureBox::mouseMoved, this, &BandAngleControls::bandMaus);
        connect(band, &PictureBox::mouseReleased, this, &BandAngleControls::bandMaus);
    }
    w.Panel2->installEventFilter(this);
    for (QSlider* bar : {w.TrackBar2, w.TrackBar3}) {
        // A whole drag of the handle is one step of the history.
        connect(bar, &QSlider::sliderPressed, this,
                [this] { m_host.dokument().gesteBeginnen(StepKind::angle); });
        connect(bar, &QSlider::sliderReleased, this, [this] { m_host.dokument().gesteBeenden(); });
        connect(bar, &QSlider::valueChanged, this, [this, bar] {
            const ColourDocument::Operation winkel(m_host.dokument(), StepKind::angle);
            reglerMerken();
            // The second angle turns the 4-colour wheel: the picture follows it at once.
            if (bar == m_host.w().TrackBar3)
                m_host.rotieren();
            TrackBarAllChange(bar);
        });
    }
    // Only the user's choice runs the handler; the program runs it itself after
    // setting the index.
    connect(w.ComboBox3, &QComboBox::activated, this, [this] {
        const ColourDocument::Operation winkelTyp(m_host.dokument(), StepKind::angleType);
        ComboBox3Change();
    });
    connect(&m_host.dokument(), &ColourDocument::geaendert, this, [this](Aenderungen was) {
        if (was & (Aenderung::modus | Aenderung::winkel | Aenderung::separat))
            winkelAnsichtZeigen();
        nachRechnenZeigen(was & Aenderung::ganz);
        // Any repainted swatch, a moved light/dark point's too, shows in the legend.
        if (was & (Aenderung::farben | Aenderung::gemischt | Aenderung::hellDunkel) &&
            !(was & Aenderung::ganz) && !m_host.state().ablauf.eingabeAussenfeld)
            legendeFaerben();
    });
    m_host.layout().winkelAnsichtNeu = [this] { winkelAnsichtZeigen(); };
}

// Follows the field painting, which connects first: the legend repeats the
// swatches the recompute has just painted.
void BandAngleControls::nachRechnenZeigen(bool ganz)
{
    Ablauf& a = m_host.dokument().ablauf();
    // The render pass draws a whole combination's markers itself.
    if (ganz) {
        a.bandMarkerFaellig = a.winkelMarkerFaellig = false;
        return;
    }
    if (a.bandMarkerFaellig) {
        a.bandMarkerFaellig = false;
        bandMarkerZeigen(a.bandMarker);
    }
    if (a.winkelMarkerFaellig) {
        a.winkelMarkerFaellig = false;
        markerZeichnen();
    }
}

void BandAngleControls::bandMarkerZeigen(int p)
{
    MainWidgets& w = m_host.w();
    const int x = w.Image2->x() + p;
    w.PaintBox1->move(x, w.PaintBox1->y());
    w.PaintBox2->move(x, w.PaintBox2->y());
}

bool BandAngleControls::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_host.w().Panel2) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            bandMaus(static_cast<QMouseEvent*>(event));
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

// While the button is held the band keeps the mouse, so x may lie outside it.
void BandAngleControls::bandMaus(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (event->button() == Qt::LeftButton) {
            // A whole drag is one step of the history.
            m_host.dokument().gesteBeginnen(StepKind::bandPosition);
            Image2MouseDown(x);
        }
        break;
    case QEvent::MouseMove:
        Image2MouseMove(x);
        break;
    case QEvent::MouseButtonRelease:
        if (event->button() == Qt::LeftButton && m_host.state().ablauf.bandMausUnten)
            Image2MouseUp();
        if (event->button() == Qt::LeftButton)
            m_host.dokument().gesteBeenden();
        break;
    default:
        break;
    }
}

bool BandAngleControls::separat() const
{
    return m_host.state().aktionen.farbenSeparatEinstellen;
}

void BandAngleControls::basisVonBand(int x)
{
    m_host.dokument().datenHolen(std::clamp(x, 0, letzteBandPosition), true);
    m_host.rotieren();
    TrackBarAllChange(&m_host.hauptfenster());
}

void BandAngleControls::Image2MouseDown(int x)
{
    const MainState& s = m_host.state();
    if (s.hdZielGross())
        m_host.dokument().eingabeTexteZeigen(false);
    m_host.resetStaticText();
    m_host.dokument().eingabeFarbeAktiv(false);
    m_host.dokument().ablauf().bandMausUnten = true;
    basisVonBand(x);
}

void BandAngleControls::Image2MouseMove(int x)
{
    const MainState& s = m_host.state();
    if (!s.ablauf.bandMausUnten)
        return;
    if (s.hdZielGross())
        m_host.dokument().eingabeTexteZeigen(false);
    basisVonBand(x);
}

void BandAngleControls::Image2MouseUp()
{
    m_host.Image2MouseUp();
}

void BandAngleControls::reglerMerken()
{
    const MainWidgets& w = m_host.w();
    m_host.dokument().winkelReglerSetzen(w.TrackBar2->value(), w.TrackBar3->value());
}

void BandAngleControls::TrackBarAllChange(const QObject* sender)
{
    const MainState& s = m_host.state();
    if (!s.ablauf.formularBereit)
        return;
    if (separat()) {
        winkelZeichnen();
        return;
    }
    MainWidgets& w = m_host.w();
    m_host.resetStaticText();
    const Modus modus = s.modus();
    const int trackBar2 = w.TrackBar2->value();
    const int trackBar3 = w.TrackBar3->value();
    const WinkelAnzeige anzeige = winkelAbstaende(modus, trackBar2, trackBar3);

    m_host.dokument().abstand1Setzen(anzeige.abstand1);
    textSetzen(w.WinkelO, anzeige.winkelO);
    m_host.dokument().datenHolen(s.posGross(), true);
    // In 4-colour type 1 the wheel's turn follows the second angle.
    if (modus == Modus::vierer && !s.winkeltyp2 && sender == w.TrackBar3)
        m_host.rotieren();

    m_host.dokument().abstand2Setzen(anzeige.abstand2);
    textSetzen(w.WinkelU, anzeige.winkelU);
    m_host.dokument().datenHolen(s.posGross(), true);

    zeichneWinkelBild(m_host.winkelBild(), m_host.imageBg(), modus, s.winkeltyp2, trackBar2, trackBar3);
    if (!m_host.state().ablauf.eingabeAussenfeld)
        winkelBildZeigen();
}

void BandAngleControls::steuerungZeigen()
{
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    {
        const QSignalBlocker a(w.TrackBar2), b(w.TrackBar3), c(w.ComboBox3), d(w.ComboBox1);
        w.TrackBar2->setValue(s.winkelRegler1);
        w.TrackBar3->setValue(s.winkelRegler2);
        w.ComboBox3->setCurrentIndex(s.winkeltyp2 ? 1 : 0);
        w.ComboBox1->setCurrentIndex(std::clamp(s.stufenAnzahl - 1, 0, w.ComboBox1->count() - 1));
    }
    if (!s.ablauf.formularBereit)
        return;
    if (separat()) {
        winkelResetten();
        return;
    }
    const WinkelAnzeige anzeige = winkelAbstaende(s.modus(), s.winkelRegler1, s.winkelRegler2);
    textSetzen(w.WinkelO, anzeige.winkelO);
    textSetzen(w.WinkelU, anzeige.winkelU);
    zeichneWinkelBild(m_host.winkelBild(), m_host.imageBg(), s.modus(), s.winkeltyp2, s.winkelRegler1,
                      s.winkelRegler2);
    winkelBildZeigen();
}

void BandAngleControls::winkelBildZeigen()
{
    m_host.w().ImageWW->setImage(m_host.winkelBild());
}

void BandAngleControls::winkelZeichnen()
{
    if (m_host.dokument().winkelMarkerFaellig())
        markerZeichnen();
}

void BandAngleControls::markerZeichnen()
{
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    const MarkerTexte texte = zeichneMarkerBild(m_host.winkelBild(), m_host.imageOriginal(), s);
    textSetzen(w.Label11, texte.label11);
    textSetzen(w.Label14, texte.label14);
    textSetzen(w.Label12, texte.label12);
    textSetzen(w.Label13, texte.label13);
    if (s.ablauf.eingabeAussenfeld)
        return;
    winkelBildZeigen();
    legendeFaerben();
}

// The legend swatches repeat the value-row swatches of the combination being edited.
void BandAngleControls::legendeFaerben()
{
    MainWidgets& w = m_host.w();
    const MainState& s = m_host.state();
    const bool unten = s.fixiert && s.fixLinksAktiv;
    swatchUebernehmen(w.Panel16, unten ? w.Panel8 : w.Panel4);
    swatchUebernehmen(w.Panel19, unten ? w.Panel11 : w.Panel7);
    const ColourPanel* links = unten ? w.Panel9 : w.Panel5;
    const ColourPanel* mitte = unten ? w.Panel10 : w.Panel6;
    swatchUebernehmen(w.Panel17, links);
    swatchUebernehmen(w.Panel18, mitte);
    w.Panel17->setVisible(!links->isHidden());
    w.Panel18->setVisible(!mitte->isHidden());
}

void BandAngleControls::winkelResetten()
{
    m_host.dokument().separatWinkelMarkerErneuern();
}

void BandAngleControls::ComboBox3Change()
{
    m_host.dokument().winkeltypSetzen(m_host.w().ComboBox3->currentIndex() != 0);
    m_host.rotieren();
    TrackBarAllChange(m_host.w().ComboBox3);
}

// Separate adjustment has switched the track bars off; they stay so.
void BandAngleControls::winkelAnsichtZeigen()
{
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    switch (s.modus()) {
    case Modus::zweier:
        w.TrackBar2->setEnabled(false);
        w.TrackBar3->setEnabled(false);
        w.WinkelO->hide();
        w.WinkelU->hide();
        w.ComboBox3->setEnabled(false);
        return;
    case Modus::vierer:
        // In separate adjustment the angle controls stay as they are.
        if (s.separatModus)
            return;
        w.ComboBox3->setEnabled(true);
        if (s.winkeltyp2)
            ansichtWinkeltyp2();
        else
            ansichtWinkeltyp1();
        return;
    case Modus::dreier:
    case Modus::auffaecher:
    case Modus::reihen:
        ansichtWinkeltyp2();
        w.ComboBox3->setEnabled(false);
        return;
    }
}

void BandAngleControls::ansichtWinkeltyp1()
{
    if (separat())
        return;
    MainWidgets& w = m_host.w();
    w.TrackBar2->setEnabled(true);
    w.TrackBar3->setEnabled(true);
    w.WinkelO->show();
    w.WinkelU->show();
}

void BandAngleControls::ansichtWinkeltyp2()
{
    MainWidgets& w = m_host.w();
    if (!separat()) {
        w.WinkelO->show();
        w.TrackBar2->setEnabled(true);
    }
    w.WinkelU->hide();
    w.TrackBar3->setEnabled(false);
}
