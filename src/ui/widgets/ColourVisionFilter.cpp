#include "ui/widgets/ColourVisionFilter.h"

#include <QApplication>
#include <QGraphicsEffect>
#include <QPainter>
#include <QWidget>

namespace
{

class FarbsehEffekt : public QGraphicsEffect
{
public:
    explicit FarbsehEffekt(QObject* parent) : QGraphicsEffect(parent) {}

protected:
    void draw(QPainter* painter) override
    {
        const ColourVisionKind variety = ColourVisionFilter::sharedFilter().variety();
        if (variety == ColourVisionKind::normal) {
            drawSource(painter);
            return;
        }
        QPoint versatz;
        const QPixmap picture = sourcePixmap(Qt::LogicalCoordinates, &versatz, QGraphicsEffect::NoPad);
        painter->drawImage(versatz, simulated(variety, picture.toImage()));
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
    std::erase_if(m_folgende, [](const QPointer<QWidget>& w) { return w.isNull(); });
    for (const QPointer<QWidget>& w : m_folgende)
        applyEffect(w);
    // The painting widgets repaint themselves on this.
    emit modified(variety);
}

QColor ColourVisionFilter::displayed(const QColor& colourValue) const
{
    if (m_art == ColourVisionKind::normal)
        return colourValue;
    return QColor::fromRgba(simulated(m_art, colourValue.rgba()));
}

void ColourVisionFilter::follow(QWidget* widget)
{
    m_folgende.emplace_back(widget);
    applyEffect(widget);
}

// Without a simulation the widget paints directly, as fast as before.
void ColourVisionFilter::applyEffect(QWidget* widget) const
{
    const bool an = m_art != ColourVisionKind::normal;
    if (an && !widget->graphicsEffect())
        widget->setGraphicsEffect(new FarbsehEffekt(widget));
    else if (!an && widget->graphicsEffect())
        widget->setGraphicsEffect(nullptr);
    else if (widget->graphicsEffect())
        widget->graphicsEffect()->update();
}
