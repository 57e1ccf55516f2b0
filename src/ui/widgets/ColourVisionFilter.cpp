#include "ui/widgets/ColourVisionFilter.h"

#include <QApplication>
#include <QGraphicsEffect>
#include <QPainter>
#include <QWidget>

namespace
{

class ColourVisionEffect : public QGraphicsEffect
{
public:
    explicit ColourVisionEffect(QObject* parent) : QGraphicsEffect(parent) {}

protected:
    void draw(QPainter* painter) override
    {
        const ColourVisionFilter& filter = ColourVisionFilter::sharedFilter();
        if (!filter.changesColours()) {
            drawSource(painter);
            return;
        }
        QPoint versatz;
        const QPixmap picture = sourcePixmap(Qt::LogicalCoordinates, &versatz, QGraphicsEffect::NoPad);
        painter->drawImage(versatz, filter.displayed(picture.toImage()));
    }
};

} // namespace

ColourVisionFilter& ColourVisionFilter::sharedFilter()
{
    static ColourVisionFilter filter;
    return filter;
}

void ColourVisionFilter::setKind(ColourVisionKind variety)
{
    if (variety == m_art)
        return;
    m_art = variety;
    applyEffects();
}

void ColourVisionFilter::setProof(std::optional<PrintConversion> proof)
{
    if (!proof && !m_proof)
        return;
    // Switching the same proof off and on keeps what it computed.
    if (proof && proof->identity() != m_proofIdentity) {
        m_proofIdentity = proof->identity();
        m_roundTrips.clear();
        ++m_proofSerial;
    }
    m_proof = std::move(proof);
    applyEffects();
}

void ColourVisionFilter::applyEffects()
{
    std::erase_if(m_folgende, [](const QPointer<QWidget>& w) { return w.isNull(); });
    for (const QPointer<QWidget>& w : m_folgende)
        applyEffect(w);
    // The painting widgets repaint themselves on this.
    emit modified(m_art);
}

QRgb ColourVisionFilter::proofed(QRgb colour) const
{
    if (!m_proof)
        return colour;
    const QRgb opaque = colour | 0xff000000u;
    auto known = m_roundTrips.constFind(opaque);
    if (known == m_roundTrips.constEnd()) {
        // A dragged band shows ever new colours: keep the table small.
        if (m_roundTrips.size() > 65536)
            m_roundTrips.clear();
        known = m_roundTrips.insert(opaque, m_proof->convert(opaque).roundTrip);
    }
    return (*known & 0x00ffffffu) | (colour & 0xff000000u);
}

QColor ColourVisionFilter::displayed(const QColor& colourValue) const
{
    if (!changesColours())
        return colourValue;
    const QRgb proof = proofed(colourValue.rgba());
    return QColor::fromRgba(m_art == ColourVisionKind::normal ? proof : simulated(m_art, proof));
}

QImage ColourVisionFilter::displayed(const QImage& picture) const
{
    if (!m_proof)
        return m_art == ColourVisionKind::normal ? picture : simulated(m_art, picture);
    QImage proof = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < proof.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(proof.scanLine(y));
        for (int x = 0; x < proof.width(); ++x)
            line[x] = proofed(line[x]);
    }
    return m_art == ColourVisionKind::normal ? proof : simulated(m_art, proof);
}

void ColourVisionFilter::follow(QWidget* widget)
{
    m_folgende.emplace_back(widget);
    applyEffect(widget);
}

// Without a simulation the widget paints directly, as fast as before.
void ColourVisionFilter::applyEffect(QWidget* widget) const
{
    const bool an = changesColours();
    if (an && !widget->graphicsEffect())
        widget->setGraphicsEffect(new ColourVisionEffect(widget));
    else if (!an && widget->graphicsEffect())
        widget->setGraphicsEffect(nullptr);
    else if (widget->graphicsEffect())
        widget->graphicsEffect()->update();
}
