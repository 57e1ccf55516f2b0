#include "ui/widgets/MarkColours.h"

#include "core/colour/Contrast.h"
#include "ui/widgets/ColourPanel.h"

#include <QEvent>

QColor colourBehind(const QWidget* widget)
{
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (const auto* panel = qobject_cast<const ColourPanel*>(w); panel != nullptr && panel->hasColour())
            return panel->colour();
    return widget->palette().color(QPalette::Window);
}

QColor markColourOn(const QWidget* ground, const QColor& preferred)
{
    const QRgb text = ground->palette().color(QPalette::WindowText).rgb();
    return QColor::fromRgb(legibleMarkColour(preferred.rgb(), colourBehind(ground).rgb(), text));
}

LegibleMark::LegibleMark(ColourPanel* mark, QWidget* ground, const QColor& preferred)
    : QObject(mark), m_mark(mark), m_ground(ground), m_preferred(preferred)
{
    // Any panel on the way up may be the one that gives the background.
    for (QWidget* w = ground; w != nullptr; w = w->parentWidget())
        if (auto* panel = qobject_cast<ColourPanel*>(w))
            connect(panel, &ColourPanel::colourChanged, this, &LegibleMark::recolour);
    mark->installEventFilter(this);
    recolour();
}

bool LegibleMark::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_mark && event->type() == QEvent::PaletteChange)
        recolour();
    return QObject::eventFilter(watched, event);
}

void LegibleMark::recolour()
{
    m_mark->setColour(markColourOn(m_ground, m_preferred));
}
