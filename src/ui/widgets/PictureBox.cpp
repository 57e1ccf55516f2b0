#include "ui/widgets/PictureBox.h"

#include "ui/widgets/ColourVisionFilter.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace
{

// The painter blends 24-bit pictures by its generic path, which hands 96 rows or more to
// Qt's thread pool: the start made two threads for the angle picture alone. Fewer rows at
// a time take no thread and no copy, and the 65-row band goes in one piece.
constexpr int rowsAtOnce = 95;

// Draws `source` of `picture` into `target`, a 24-bit picture in slices of rowsAtOnce rows.
void drawPart(QPainter& painter, const QRectF& target, const QImage& picture, const QRectF& source)
{
    if (picture.format() != QImage::Format_RGB888 || source.height() <= rowsAtOnce) {
        painter.drawImage(target, picture, source);
        return;
    }
    const qreal scale = target.height() / source.height();
    for (qreal top = source.top(); top < source.bottom(); top += rowsAtOnce) {
        const qreal rows = std::min<qreal>(rowsAtOnce, source.bottom() - top);
        painter.drawImage(
            QRectF(target.left(), target.top() + (top - source.top()) * scale, target.width(), rows * scale),
            picture, QRectF(source.left(), top, source.width(), rows));
    }
}

} // namespace

PictureBox::PictureBox(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    connect(&ColourVisionFilter::sharedFilter(), &ColourVisionFilter::modified, this, [this] {
        if (isVisible() && !image().isNull())
            update();
    });
}

void PictureBox::setImage(const QImage& image)
{
    m_image = image;
    m_simuliert = {};
    m_proofed = {};
    const bool opaque = !m_image.isNull() && !m_image.hasAlphaChannel() && !m_painter &&
                        (m_stretched || m_image.deviceIndependentSize().toSize() == size());
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

void PictureBox::makePicture()
{
    if (m_maker)
        setImage(m_maker(devicePixelRatioF()));
}

bool PictureBox::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal && m_maker && !m_image.isNull() &&
        m_image.devicePixelRatio() != devicePixelRatioF())
        makePicture();
    return QWidget::event(event);
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
    const QImage& picture = shownImage();
    if (m_stretched) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), picture);
    } else if (picture.devicePixelRatio() == 1.0) {
        drawPart(painter, event->rect(), picture, event->rect());
    } else {
        // A picture made for the screen's own pixels: its source rectangle is in those.
        const QRectF area(event->rect());
        const qreal ratio = picture.devicePixelRatio();
        drawPart(painter, area, picture, QRectF(area.topLeft() * ratio, area.size() * ratio));
    }
}

const QImage& PictureBox::shownImage() const
{
    const ColourVisionFilter& filter = ColourVisionFilter::sharedFilter();
    if (!filter.changesColours())
        return m_image;
    if (filter.proofing() && m_proofSerial != filter.proofSerial()) {
        m_proofed = {};
        m_proofSerial = filter.proofSerial();
    }
    QImage& picture =
        (filter.proofing() ? m_proofed : m_simuliert)[static_cast<std::size_t>(filter.variety())];
    if (picture.isNull()) {
        picture = filter.displayed(m_image);
        picture.setDevicePixelRatio(m_image.devicePixelRatio());
    }
    return picture;
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
