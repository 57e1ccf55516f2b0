#include "ui/display/BandAngleControls.h"

#include "core/colour/AnglePicture.h"
#include "core/colour/BandPictures.h"
#include "core/colour/BandTables.h"
#include "core/colour/Rotation.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/KeyGesture.h"
#include "ui/layout/WindowLayoutUi.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace
{

// Labels are rewritten on every band move; an unchanged text costs no relayout.
void applyText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

void copySwatch(ColourPanel* legende, const SwatchLook& source)
{
    if (source.colour)
        legende->setColour(*source.colour);
    else
        legende->clearColour();
}

// The legend lies over the disabled angle track bars and hides them; it takes
// the colour of the background it stands on, whichever brightness is chosen.
class BackgroundCover : public QObject
{
public:
    explicit BackgroundCover(QWidget* panel) : QObject(panel) { panel->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* panel = static_cast<QWidget*>(watched);
            QPainter painter(panel);
            painter.fillRect(panel->rect(), backgroundColour(panel));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static QColor backgroundColour(const QWidget* panel)
    {
        for (const QWidget* p = panel->parentWidget(); p != nullptr; p = p->parentWidget())
            if (const auto* c = qobject_cast<const ColourPanel*>(p); c != nullptr && c->hasColour())
                return c->colour();
        return panel->palette().color(QPalette::Window);
    }
};

} // namespace

BandAngleControls::BandAngleControls(DisplayHost& host, Widgets widgets, DisplayParts& parts)
    : m_host(host), m_w(widgets), m_parts(parts),
      m_anglePicture(anglePictureSize, anglePictureSize, QImage::Format_RGB888)
{
    m_anglePicture.fill(Qt::white);
}

void BandAngleControls::connectWidgets()
{
    auto& w = m_w;
    for (PictureBox* band : {w.band.Image1, w.band.Image2}) {
        connect(band, &PictureBox::mousePressed, this, &BandAngleControls::bandMouse);
        connect(band, &PictureBox::mouseMoved, this, &BandAngleControls::bandMouse);
        connect(band, &PictureBox::mouseReleased, this, &BandAngleControls::bandMouse);
    }
    w.band.Panel2->installEventFilter(this);
    // The band takes the keyboard's focus in its frame, or in its stand-in while hidden.
    m_bandKeys = std::make_unique<KeyGesture>(m_host.colourDocument(), StepKind::bandPosition);
    for (QWidget* band : {static_cast<QWidget*>(w.band.Panel3), static_cast<QWidget*>(w.band.Panel2)}) {
        band->setFocusPolicy(Qt::StrongFocus);
        band->installEventFilter(this);
        m_bandKeys->watch(band);
    }
    for (QSlider* bar : {w.angle.TrackBar2, w.angle.TrackBar3}) {
        // A whole drag of the handle is one step of the history.
        connect(bar, &QSlider::sliderPressed, this,
                [this] { m_host.colourDocument().beginGesture(StepKind::angle); });
        connect(bar, &QSlider::sliderReleased, this, [this] { m_host.colourDocument().endGesture(); });
        connect(bar, &QSlider::valueChanged, this, [this, bar] {
            if (m_host.colourDocument().window().shown && !separate())
                m_host.resetStaticText();
            m_host.colourDocument().moveAngleSliders(m_w.angle.TrackBar2->value(),
                                                     m_w.angle.TrackBar3->value());
            // The second angle turns the 4-colour wheel: the picture follows it at once.
            if (bar == m_w.angle.TrackBar3)
                rotieren();
            showAngles();
        });
    }
    // Only the user's choice runs the handler; the program runs it itself after
    // setting the index.
    connect(w.angle.ComboBox3, &QComboBox::activated, this, [this] {
        const ColourDocument::Operation winkelTyp(m_host.colourDocument(), StepKind::angleType);
        ComboBox3Change();
    });
    m_host.layout().redrawAngleView = [this] { showAngleView(); };
    w.angle.ImageWW->setPictureMaker([this](double ratio) { return anglePictureAt(ratio); });
}

// After the field painting in the render pass: the legend repeats the swatches
// the recompute has just painted.
void BandAngleControls::follow(Changes was, Redraw how)
{
    // The band and wheel of the state's band type, before any marker is drawn on the wheel.
    if (was & Change::band && m_luminousWheel != m_host.state().bandLuminoes && !how.whole)
        showBandType();
    if (was & (Change::harmonyMode | Change::angles | Change::separate))
        showAngleView();
    showAfterRecompute(how.whole);
    // Any repainted swatch, a moved light/dark point's too, shows in the legend.
    if ((was & (Change::farben | Change::lightDark) || how.fieldsMixed) && !how.whole &&
        !m_host.colourDocument().window().inputOnOuterField)
        colourLegend();
    if (was & Change::viewOptions)
        showBandHidden(m_host.state().actionSet.farbstreifenVerstecken);
}

void BandAngleControls::showAfterRecompute(bool whole)
{
    const RecomputeNotes notes = m_host.colourDocument().takeNotes();
    // The render pass draws a whole combination's markers itself.
    if (whole)
        return;
    if (notes.bandMarkerDue)
        showBandMarker(notes.bandMarker);
    if (notes.angleMarkerDue)
        drawMarkers();
}

// Hidden, the band's stand-in Panel2 takes its place and mouse; it has no
// colour of its own, so it shows the background, whichever is chosen.
void BandAngleControls::showBandHidden(bool hidden)
{
    BandWidgets& b = m_w.band;
    if (hidden) {
        b.Panel3->hide();
        b.Panel2->setGeometry(b.Panel3->geometry());
        b.Panel2->clearColour();
        b.Panel2->show();
        m_w.angle.ImageWW->hide();
    } else {
        b.Panel3->show();
        b.Panel2->hide();
        m_w.angle.ImageWW->show();
    }
}

void BandAngleControls::showBandMarker(int p)
{
    auto& w = m_w;
    const int x = w.band.Image2->x() + p;
    w.band.PaintBox1->move(x, w.band.PaintBox1->y());
    w.band.PaintBox2->move(x, w.band.PaintBox2->y());
}

bool BandAngleControls::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_w.band.Panel2 || watched == m_w.band.Panel3))
        return bandKey(static_cast<QKeyEvent*>(event)) || QObject::eventFilter(watched, event);
    if (watched == m_w.band.Panel2) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            bandMouse(static_cast<QMouseEvent*>(event));
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

// While the button is held the band keeps the mouse, so x may lie outside it.
void BandAngleControls::bandMouse(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (event->button() == Qt::LeftButton) {
            // A whole drag is one step of the history.
            m_host.colourDocument().beginGesture(StepKind::bandPosition);
            Image2MouseDown(x);
        }
        break;
    case QEvent::MouseMove:
        Image2MouseMove(x);
        break;
    case QEvent::MouseButtonRelease:
        if (event->button() == Qt::LeftButton && m_bandHeld)
            Image2MouseUp();
        if (event->button() == Qt::LeftButton)
            m_host.colourDocument().endGesture();
        break;
    default:
        break;
    }
}

// As a click one or ten positions beside the marker, or at an end of the band.
bool BandAngleControls::bandKey(const QKeyEvent* event)
{
    const int now = bandPosition();
    const bool ten = event->modifiers() & Qt::ControlModifier;
    int position = now;
    switch (event->key()) {
    case Qt::Key_Left:
        position = now - (ten ? 10 : 1);
        break;
    case Qt::Key_Right:
        position = now + (ten ? 10 : 1);
        break;
    case Qt::Key_PageDown:
        position = now - 10;
        break;
    case Qt::Key_PageUp:
        position = now + 10;
        break;
    case Qt::Key_Home:
        position = 0;
        break;
    case Qt::Key_End:
        position = lastBandPosition;
        break;
    default:
        return false;
    }
    m_bandKeys->pressed(event->key(), event->isAutoRepeat());
    chooseBandPosition(std::clamp(position, 0, lastBandPosition));
    return true;
}

bool BandAngleControls::separate() const
{
    return m_host.state().actionSet.farbenSeparatEinstellen;
}

void BandAngleControls::Image2MouseDown(int x)
{
    m_host.resetStaticText();
    m_bandHeld = true;
    m_host.colourDocument().pressBand(x);
    afterBandMove();
}

void BandAngleControls::Image2MouseMove(int x)
{
    if (!m_bandHeld)
        return;
    if (m_host.colourDocument().window().shown && !separate())
        m_host.resetStaticText();
    m_host.colourDocument().dragBand(x);
    afterBandMove();
}

void BandAngleControls::afterBandMove()
{
    rotieren();
    showAngles();
}

// Also brings the angle image up to date after the first show and after a file was read.
void BandAngleControls::Image2MouseUp()
{
    m_bandHeld = false;
    rotieren();
    TrackBarAllChange();
}

BandAngleControls::~BandAngleControls() = default;

void BandAngleControls::chooseBandPosition(int position)
{
    ColourDocument& document = m_host.colourDocument();
    document.beginGesture(StepKind::bandPosition);
    Image2MouseDown(position);
    Image2MouseUp();
    document.endGesture();
}

void BandAngleControls::setWheels(const QImage& realistic, const QImage& luminous)
{
    m_wheelRealistic = realistic;
    m_wheelLuminous = luminous;
    // At start both working pictures are the wheel of the state's band.
    m_luminousWheel = m_host.state().bandLuminoes;
    m_imageOriginal = wheelOfBandType();
    m_imageBg = m_imageOriginal.copy();
    m_lastTurn = -1;
}

QImage BandAngleControls::wheelOfBandType() const
{
    return m_host.state().bandLuminoes ? m_wheelLuminous : m_wheelRealistic;
}

void BandAngleControls::showBandPicture()
{
    (m_host.state().bandLuminoes ? m_w.band.Image1 : m_w.band.Image2)->raise();
}

void BandAngleControls::showBandType()
{
    showBandPicture();
    m_luminousWheel = m_host.state().bandLuminoes;
    m_imageOriginal = wheelOfBandType();
    m_lastTurn = -1;
    rotieren();
}

bool BandAngleControls::rotieren()
{
    if (m_imageOriginal.isNull())
        return false;
    // The state's second angle: a step drawn anew turns the wheel before the track bar shows it.
    const MainState& s = m_host.state();
    return ::rotieren(s, m_lastTurn, s.angleSlider2, markerPosition(), m_imageOriginal, m_imageBg);
}

int BandAngleControls::markerPosition() const
{
    return m_w.band.PaintBox1->x() - m_w.band.Image2->x();
}

int BandAngleControls::firstSlider() const
{
    return m_w.angle.TrackBar2->value();
}

void BandAngleControls::setFirstSlider(int position)
{
    m_w.angle.TrackBar2->setValue(position);
}

void BandAngleControls::TrackBarAllChange()
{
    if (m_host.colourDocument().window().shown && !separate())
        m_host.resetStaticText();
    m_host.colourDocument().recomputeAngles();
    showAngles();
}

// The labels and the picture of the track bars' angles, or in separate
// adjustment the markers when the fields moved.
void BandAngleControls::showAngles()
{
    const MainState& s = m_host.state();
    if (!m_host.colourDocument().window().shown)
        return;
    if (separate()) {
        winkelZeichnen();
        return;
    }
    const int first = std::clamp(s.angleSlider1, 0, maxAngleDistance);
    const int second = std::clamp(s.angleSlider2, 0, maxAngleDistance);
    const AngleDisplay anzeige =
        drawAnglePicture(m_anglePicture, m_imageBg, s.harmonyMode(), s.winkeltyp2, first, second);
    m_angleLines = anglePictureLines(s.harmonyMode(), s.winkeltyp2, first, second);
    m_angleTurn = std::max(m_lastTurn, 0);
    applyText(m_w.angle.WinkelO, anzeige.firstAngleText);
    applyText(m_w.angle.WinkelU, anzeige.secondAngleText);
    if (!m_host.colourDocument().window().inputOnOuterField)
        showAnglePicture();
}

void BandAngleControls::showControls()
{
    const MainState& s = m_host.state();
    auto& w = m_w;
    {
        const QSignalBlocker a(w.angle.TrackBar2), b(w.angle.TrackBar3), c(w.angle.ComboBox3);
        w.angle.TrackBar2->setValue(s.angleSlider1);
        w.angle.TrackBar3->setValue(s.angleSlider2);
        w.angle.ComboBox3->setCurrentIndex(s.winkeltyp2 ? 1 : 0);
    }
    if (!m_host.colourDocument().window().shown)
        return;
    if (separate()) {
        winkelResetten();
        return;
    }
    const AngleDisplay anzeige = angleDistances(s.harmonyMode(), s.angleSlider1, s.angleSlider2);
    applyText(w.angle.WinkelO, anzeige.firstAngleText);
    applyText(w.angle.WinkelU, anzeige.secondAngleText);
    drawAnglePicture(m_anglePicture, m_imageBg, s.harmonyMode(), s.winkeltyp2, s.angleSlider1,
                     s.angleSlider2);
    m_angleLines = anglePictureLines(s.harmonyMode(), s.winkeltyp2, s.angleSlider1, s.angleSlider2);
    m_angleTurn = std::max(m_lastTurn, 0);
    showAnglePicture();
}

void BandAngleControls::showAnglePicture()
{
    m_w.angle.ImageWW->makePicture();
}

// On a screen with more device pixels than pixels the wheel and its lines are
// drawn anew at its resolution; otherwise the picture as drawn.
QImage BandAngleControls::anglePictureAt(double ratio)
{
    if (ratio <= 1.0)
        return m_anglePicture;
    if (m_sharpWheel.isNull() || m_sharpWheelTurn != m_angleTurn || m_sharpWheelLuminous != m_luminousWheel ||
        m_sharpWheel.devicePixelRatio() != ratio) {
        m_sharpWheel = turnedWheelPicture(m_luminousWheel, m_angleTurn, ratio);
        m_sharpWheelTurn = m_angleTurn;
        m_sharpWheelLuminous = m_luminousWheel;
    }
    return sharpAnglePicture(m_sharpWheel, m_angleLines);
}

void BandAngleControls::winkelZeichnen()
{
    if (m_host.colourDocument().angleMarkerDue())
        drawMarkers();
}

void BandAngleControls::drawMarkers()
{
    const MainState& s = m_host.state();
    auto& w = m_w;
    const MarkerLabels textSet = drawMarkerPicture(m_anglePicture, m_imageOriginal, s);
    m_angleLines = markerPictureLines(s);
    m_angleTurn = 0;
    applyText(w.legend.Label11, textSet.label11);
    applyText(w.legend.Label14, textSet.label14);
    applyText(w.legend.Label12, textSet.label12);
    applyText(w.legend.Label13, textSet.label13);
    if (m_host.colourDocument().window().inputOnOuterField)
        return;
    showAnglePicture();
    colourLegend();
}

// The legend swatches repeat the value-row swatches of the combination being edited.
void BandAngleControls::colourLegend()
{
    const MainState& s = m_host.state();
    const bool unten = s.fixiert && s.fixLinksAktiv;
    const FieldDisplay& fields = *m_parts.display;
    LegendWidgets& l = m_w.legend;
    copySwatch(l.Panel16, fields.swatch(Field::big, unten));
    copySwatch(l.Panel19, fields.swatch(Field::right, unten));
    const SwatchLook left = fields.swatch(Field::left, unten);
    const SwatchLook centre = fields.swatch(Field::centre, unten);
    copySwatch(l.Panel17, left);
    copySwatch(l.Panel18, centre);
    l.Panel17->setVisible(!left.hidden);
    l.Panel18->setVisible(!centre.hidden);
}

void BandAngleControls::winkelResetten()
{
    m_host.colourDocument().renewSeparateAngleMarkers();
}

void BandAngleControls::ComboBox3Change()
{
    if (m_host.colourDocument().window().shown && !separate())
        m_host.resetStaticText();
    m_host.colourDocument().changeAngleType(m_w.angle.ComboBox3->currentIndex() != 0);
    rotieren();
    showAngles();
}

// Separate adjustment has switched the track bars off; they stay so.
void BandAngleControls::showLegend(bool shown)
{
    m_w.legend.Panel12->setVisible(shown);
    if (shown)
        m_w.legend.Panel12->raise();
}

void BandAngleControls::lockAngleControls()
{
    AngleWidgets& a = m_w.angle;
    a.ComboBox3->setEnabled(false);
    a.TrackBar2->setEnabled(false);
    a.TrackBar3->setEnabled(false);
    a.WinkelO->hide();
    a.WinkelU->hide();
}

void BandAngleControls::showAngleView()
{
    const MainState& s = m_host.state();
    auto& w = m_w;
    switch (s.harmonyMode()) {
    case HarmonyMode::twoColour:
        w.angle.TrackBar2->setEnabled(false);
        w.angle.TrackBar3->setEnabled(false);
        w.angle.WinkelO->hide();
        w.angle.WinkelU->hide();
        w.angle.ComboBox3->setEnabled(false);
        return;
    case HarmonyMode::fourColour:
        // In separate adjustment the angle controls stay as they are.
        if (s.separatModus)
            return;
        w.angle.ComboBox3->setEnabled(true);
        if (s.winkeltyp2)
            ansichtWinkeltyp2();
        else
            ansichtWinkeltyp1();
        return;
    case HarmonyMode::threeColour:
    case HarmonyMode::fanning:
    case HarmonyMode::colourRows:
        ansichtWinkeltyp2();
        w.angle.ComboBox3->setEnabled(false);
        return;
    }
}

void BandAngleControls::ansichtWinkeltyp1()
{
    if (separate())
        return;
    auto& w = m_w;
    w.angle.TrackBar2->setEnabled(true);
    w.angle.TrackBar3->setEnabled(true);
    w.angle.WinkelO->show();
    w.angle.WinkelU->show();
}

void BandAngleControls::ansichtWinkeltyp2()
{
    auto& w = m_w;
    if (!separate()) {
        w.angle.WinkelO->show();
        w.angle.TrackBar2->setEnabled(true);
    }
    w.angle.WinkelU->hide();
    w.angle.TrackBar3->setEnabled(false);
}
