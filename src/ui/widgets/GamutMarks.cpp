#include "ui/widgets/GamutMarks.h"

#include "ui/widgets/ColourVisionFilter.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

GamutMarks& GamutMarks::sharedMarks()
{
    static GamutMarks marks;
    return marks;
}

void GamutMarks::setConversion(std::optional<PrintConversion> conversion)
{
    m_conversion = std::move(conversion);
    m_seen.clear();
    emit modified();
}

void GamutMarks::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    emit modified();
}

void GamutMarks::setTip(const QString& tip, QChar decimal)
{
    m_tip = tip;
    m_decimal = decimal;
}

std::optional<PrintValue> GamutMarks::outOfGamut(QRgb colour) const
{
    if (!m_shown || !m_conversion)
        return std::nullopt;
    colour |= 0xff000000u;
    auto known = m_seen.constFind(colour);
    if (known == m_seen.constEnd()) {
        // A dragged band shows ever new colours: keep the table small.
        if (m_seen.size() > 65536)
            m_seen.clear();
        known = m_seen.insert(colour, m_conversion->convert(colour));
    }
    if (!known->outOfGamut())
        return std::nullopt;
    return *known;
}

QString GamutMarks::tip(const PrintValue& value) const
{
    return m_tip.arg(QString::number(value.roundTripDistance, 'f', 2).replace(QLatin1Char('.'), m_decimal));
}

QString GamutMarks::tipFor(QRgb colour) const
{
    const std::optional<PrintValue> out = outOfGamut(colour);
    return out ? tip(*out) : QString();
}

QPixmap GamutMarks::swatch(QRgb colour, QSize size) const
{
    QPixmap p(size);
    p.fill(ColourVisionFilter::sharedFilter().displayed(QColor::fromRgb(colour)));
    if (outOfGamut(colour)) {
        QPainter painter(&p);
        paintMark(painter, p.rect());
    }
    return p;
}

void GamutMarks::paintMark(QPainter& painter, const QRect& area)
{
    const int side = std::min({14, area.width() / 2, area.height() / 2});
    if (side < 6)
        return;
    const QRectF box(area.right() + 1 - side - 2, area.top() + 2, side, side);
    QPainterPath triangle;
    triangle.moveTo(box.center().x(), box.top());
    triangle.lineTo(box.bottomRight());
    triangle.lineTo(box.bottomLeft());
    triangle.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(255, 214, 0));
    painter.drawPath(triangle);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(6, side * 2 / 3));
    painter.setFont(font);
    painter.drawText(box.adjusted(0, side / 5.0, 0, 0), Qt::AlignCenter, QStringLiteral("!"));
    painter.restore();
}
