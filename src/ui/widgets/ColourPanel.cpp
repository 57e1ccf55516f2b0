#include "ui/widgets/ColourPanel.h"

#include "ui/widgets/ColourVisionFilter.h"
#include "ui/widgets/GamutMarks.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace
{
const char* const clientAlignedProperty = "tinctoraClientAligned";
const char* const autoSizeProperty = "tinctoraAutoSize";
} // namespace

ColourPanel::ColourPanel(QWidget* parent, const QString& name) : QWidget(parent)
{
    if (!name.isEmpty())
        setObjectName(name);
    // An update of the window alone would leave this opaque child as it was.
    connect(&ColourVisionFilter::sharedFilter(), &ColourVisionFilter::modified, this, [this] {
        if (isVisible() && hasColour())
            update();
    });
}

void ColourPanel::setGamutMarked(bool marked)
{
    if (marked == m_gamutMarked)
        return;
    m_gamutMarked = marked;
    if (marked)
        connect(&GamutMarks::sharedMarks(), &GamutMarks::modified, this, [this] {
            if (isVisible() && hasColour())
                update();
        });
    else
        disconnect(&GamutMarks::sharedMarks(), nullptr, this, nullptr);
    update();
}

bool ColourPanel::setColour(const QColor& colour)
{
    if (m_hasColour && colour == m_colour)
        return false;
    m_colour = colour;
    m_hasColour = true;
    // An opaque panel paints every pixel itself; Qt need not draw the parent first.
    setAttribute(Qt::WA_OpaquePaintEvent, m_colour.alpha() == 255);
    update();
    emit colourChanged();
    return true;
}

void ColourPanel::takeColourOf(const ColourPanel& other)
{
    if (other.hasColour())
        setColour(other.colour());
    else
        clearColour();
}

void ColourPanel::clearColour()
{
    if (!m_hasColour)
        return;
    m_hasColour = false;
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    update();
    emit colourChanged();
}

QColor ColourPanel::fontColour() const
{
    return palette().color(QPalette::WindowText);
}

void ColourPanel::setFontColour(const QColor& colour)
{
    if (fontColour() == colour && testAttribute(Qt::WA_SetPalette))
        return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    setPalette(p);
}

void ColourPanel::setBevel(Bevel bevel)
{
    if (bevel == m_bevel)
        return;
    m_bevel = bevel;
    alignClientChildren(this);
    update();
}

QRect ColourPanel::innerRect() const
{
    return m_bevel == Bevel::none ? rect() : rect().adjusted(1, 1, -1, -1);
}

bool ColourPanel::event(QEvent* event)
{
    // A label's text change asks its parent for a new layout; without a layout
    // manager the auto-sized labels are fitted here.
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show)
        fitAutoSizedChildren(this);
    if (event->type() == QEvent::ToolTip && m_gamutMarked && m_hasColour) {
        if (const std::optional<PrintValue> out = GamutMarks::sharedMarks().outOfGamut(m_colour.rgb())) {
            const QString own = toolTip();
            const QString gamut = GamutMarks::sharedMarks().tip(*out);
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                               own.isEmpty() ? gamut : own + QLatin1Char('\n') + gamut, this);
            return true;
        }
    }
    return QWidget::event(event);
}

void ColourPanel::paintEvent(QPaintEvent* event)
{
    if (!m_hasColour && m_bevel == Bevel::none)
        return;
    QPainter painter(this);
    if (m_hasColour)
        painter.fillRect(event->rect(), ColourVisionFilter::sharedFilter().displayed(m_colour));
    if (m_bevel != Bevel::none) {
        const QColor dark = palette().color(QPalette::Dark);
        const QColor light = palette().color(QPalette::Light);
        const QColor topLeft = m_bevel == Bevel::lowered ? dark : light;
        const QColor bottomRight = m_bevel == Bevel::lowered ? light : dark;
        const int r = width() - 1;
        const int b = height() - 1;
        painter.setPen(topLeft);
        painter.drawLine(0, 0, r, 0);
        painter.drawLine(0, 0, 0, b);
        painter.setPen(bottomRight);
        painter.drawLine(0, b, r, b);
        painter.drawLine(r, 0, r, b);
    }
    if (m_gamutMarked && m_hasColour && GamutMarks::sharedMarks().outOfGamut(m_colour.rgb()))
        GamutMarks::paintMark(painter, innerRect());
}

void ColourPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    alignClientChildren(this);
    emit resized();
}

void ColourPanel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void ColourPanel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void setClientAligned(QWidget* child, bool aligned)
{
    child->setProperty(clientAlignedProperty, aligned);
    if (aligned && child->parentWidget())
        alignClientChildren(child->parentWidget());
}

bool isClientAligned(const QWidget* child)
{
    return child->property(clientAlignedProperty).toBool();
}

void alignClientChildren(QWidget* parent)
{
    const auto* panel = qobject_cast<const ColourPanel*>(parent);
    const QRect inner = panel ? panel->innerRect() : parent->rect();
    for (QObject* o : parent->children()) {
        auto* child = qobject_cast<QWidget*>(o);
        if (child && !child->isWindow() && isClientAligned(child) && child->geometry() != inner)
            child->setGeometry(inner);
    }
}

void setAutoSized(QWidget* label, AutoSize mode)
{
    label->setProperty(autoSizeProperty, static_cast<int>(mode));
    if (label->parentWidget())
        fitAutoSizedChildren(label->parentWidget());
}

void fitAutoSizedChildren(QWidget* parent)
{
    for (QObject* o : parent->children()) {
        auto* child = qobject_cast<QWidget*>(o);
        if (!child)
            continue;
        const auto mode = static_cast<AutoSize>(child->property(autoSizeProperty).toInt());
        if (mode == AutoSize::none)
            continue;
        const QSize hint = child->sizeHint();
        if (hint == child->size())
            continue;
        const QRect g = child->geometry();
        const int left = mode == AutoSize::keepRight ? g.right() + 1 - hint.width() : g.left();
        child->setGeometry(left, g.top(), hint.width(), hint.height());
    }
}

void moveInto(QWidget* panel, QWidget* newParent, bool clientAligned)
{
    const bool hidden = panel->isHidden() && panel->testAttribute(Qt::WA_WState_ExplicitShowHide);
    panel->setProperty(clientAlignedProperty, clientAligned);
    if (panel->parentWidget() != newParent)
        panel->setParent(newParent);
    if (clientAligned)
        alignClientChildren(newParent);
    if (!hidden)
        panel->show();
}
