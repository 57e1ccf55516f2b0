#include "ui/widgets/Farbsehfilter.h"


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
        const Farbsehen art = Farbsehfilter::instanz().art();
        if (art == Farbsehen::normal) {
            drawSource(painter);
            return;
        }
        QPoint versatz;
        const QPixmap bild = sourcePixmap(Qt::LogicalCoordinates, &versatz, QGraphicsEffect::NoPad);
        painter->drawImage(versatz, simuliert(art, bild.toImage()));
    }
};

} // namespace

Farbsehfilter& Farbsehfilter::instanz()
{
    static Farbsehfilter filter;
    return filter;
}

void Farbsehfilter::setArt(Farbsehen art)
{
    if (art == m_art)
        return;
    m_art = art;
    std::erase_if(m_folgende, [](const QPointer<QWidget>& w) { return w.isNull(); });
    for (const QPointer<QWidget>& w : m_folgende)
        effektSetzen(w);
    // The painting widgets repaint themselves on this.
    emit geaendert(art);
}

QColor Farbsehfilter::gezeigt(const QColor& farbe) const
{
    if (m_art == Farbsehen::normal)
        return farbe;
    return QColor::fromRgba(simuliert(m_art, farbe.rgba()));
}

void Farbsehfilter::folgen(QWidget* widget)
{
    m_folgende.emplace_back(widget);
    effektSetzen(widget);
}

// Without a simulation the widget paints directly, as fast as before.
void Farbsehfilter::effektSetzen(QWidget* widget) const
{
    const bool an = m_art != Farbsehen::normal;
    if (an && !widget->graphicsEffect())
        widget->setGraphicsEffect(new FarbsehEffekt(widget));
    else if (!an && widget->graphicsEffect())
        widget->setGraphicsEffect(nullptr);
    else if (widget->graphicsEffect())
        widget->graphicsEffect()->update();
}
