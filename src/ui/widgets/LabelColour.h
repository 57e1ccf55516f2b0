#pragma once

#include <QColor>
#include <QLabel>
#include <QPalette>

// A label's text colour; an unchanged one is not set again.
inline void setLabelColour(QLabel* label, const QColor& colour)
{
    QPalette p = label->palette();
    if (p.color(QPalette::WindowText) == colour && label->testAttribute(Qt::WA_SetPalette))
        return;
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}
