#include "ui/widgets/PictureBox.h"

#include "ui/widgets/Farbsehfilter.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    connect(&Farbsehfilter::instanz(), &Farbsehfilter::geaendert, this, [this] {
        if (isVisible() && !image().isNull())
            update();
    });
}

void PictureBox::setImage(const QImage& image)
{
    m_image = image;
    m_simuliert = {};
    const bool opaque = !m_image.isNull() && !m_image.hasAlphaChannel() && !m_painter &&
                        (m_stretched || m_image.size() == size());
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    update();
}

void PictureBox::setStretched(bool stretched)
{
    if (stretched == m_stretched)
        return;
    m_stretched = stretched;
    update();
}

void PictureBox::setPainter(Painter painter)
{
    m_painter = std::move(painter);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_painter) {
        m_painter(painter, rect());
        return;
    }
    if (m_image.isNull())
        return;
    const QImage& bild = gezeigtesBild();
    if (m_stretched) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), bild);
    } else {
        painter.drawImage(event->rect().topLeft(), bild, event->rect());
    }
}

const QImage& PictureBox::gezeigtesBild() const
{
    const Farbsehen art = Farbsehfilter::instanz().art();
    if (art == Farbsehen::normal)
        return m_image;
    QImage& bild = m_simuliert[static_cast<std::size_t>(art)];
    if (bild.isNull())
        bild = simuliert(art, m_image);
    return bild;
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event);
}
