#include "widgets/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
}

void PictureBox::setImage(const QImage& image)
{
    m_image = image;
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
    if (m_stretched) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), m_image);
    } else {
        painter.drawImage(event->rect().topLeft(), m_image, event->rect());
    }
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
